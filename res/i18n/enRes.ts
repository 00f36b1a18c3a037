<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>关于 Sortilo</source>
        <translation>About Sortilo</translation>
    </message>
    <message>
        <source>本程序是自由软件，依照 GNU 通用公共许可证第 3 版或（由您选择）任何更新版本（GPL-3.0-or-later）发布。</source>
        <translation>This program is free software, released under the GNU General Public License, version 3 or (at your option) any later version (GPL-3.0-or-later).</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Sortilo 抽奖系统&lt;/h2&gt;&lt;p&gt;版本 %1&lt;/p&gt;&lt;p&gt;年会、庆典现场抽奖：八个号码滚轮转动并停在中奖者的编号上，每位中奖者即时记入数据库，每人只能中奖一次。&lt;/p&gt;&lt;p&gt;F5 开始抽奖，F6 停止。右键菜单可录入人员、设置奖品和查看中奖记录。&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Sortilo prize draw&lt;/h2&gt;&lt;p&gt;Version %1&lt;/p&gt;&lt;p&gt;Live prize draws for parties and celebrations: eight number reels spin and stop on the winner&apos;s ID, every winner is stored in the database at once, and nobody can win twice.&lt;/p&gt;&lt;p&gt;F5 starts the draw, F6 stops it. The right-click menu lets you enter participants, set the prizes and view the winners record.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>CAdoDatabase</name>
    <message>
        <source>数据库服务器没有响应，程序正在自动重新连接。本次操作没有完成，请稍后再试。</source>
        <translation>The database server is not responding; the program is reconnecting automatically. This action was not completed: please try again in a moment.</translation>
    </message>
</context>
<context>
    <name>CBasicSettingsDlg</name>
    <message>
        <source>基本信息设定</source>
        <translation>Event settings</translation>
    </message>
    <message>
        <source>背景音乐</source>
        <translation>Background music</translation>
    </message>
    <message>
        <source>抽取音乐</source>
        <translation>Draw sound</translation>
    </message>
    <message>
        <source>自动抽奖，即点击开始后不用按停止键</source>
        <translation>Automatic draw: no need to press Stop after Start</translation>
    </message>
    <message>
        <source>每隔一次只从名单前一半中抽取</source>
        <translation>Every second pick from the first half of the list only</translation>
    </message>
    <message>
        <source>选中时，每第二次抽取只在尚未中奖名单的前一半中进行，前一半人员的中奖机会是后一半的三倍。取消选中，则每次抽取人人机会均等。</source>
        <translation>When checked, every second pick is drawn only from the first half of the participants who have not won yet, so people in the first half are three times as likely to win as those in the second half. When cleared, everyone has the same chance at every pick.</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>公司名称</source>
        <translation>Company name</translation>
    </message>
    <message>
        <source>抽奖主题</source>
        <translation>Draw theme</translation>
    </message>
    <message>
        <source>设置未能保存：%1</source>
        <translation>The settings could not be saved: %1</translation>
    </message>
</context>
<context>
    <name>CCheckinDlg</name>
    <message>
        <source>签到台</source>
        <translation>Check-in desk</translation>
    </message>
    <message>
        <source>请扫描二维码或条形码，或输入编号后按回车</source>
        <translation>Scan the QR code or barcode, or type the number and press Enter</translation>
    </message>
</context>
<context>
    <name>CDrawApp</name>
    <message>
        <source>活动文件夹 %1 已在另一个抽奖窗口中打开。
每个活动只能运行一个抽奖窗口：请使用已打开的窗口，或先将其关闭再启动。</source>
        <translation>The event folder %1 is already open in another draw window.
Only one draw window can run per event: use the window that is open, or close it before starting again.</translation>
    </message>
    <message>
        <source>连接数据库失败</source>
        <translation>Could not connect to the database</translation>
    </message>
    <message>
        <source>如果本机应与其他抽奖机共用数据库服务器，请选“否”，修正该文件后再启动。
是否使用本机的数据库 %1 继续（公司、主题等设置取默认值）？</source>
        <translation>If this station should share a database server with other draw stations, choose “No”, correct the file and start again.
Go on with this computer&apos;s own database %1 (company, theme and the other settings take their defaults)?</translation>
    </message>
</context>
<context>
    <name>CDrawDlg</name>
    <message>
        <source>无法保存显示方式：%1</source>
        <translation>Could not save the display mode: %1</translation>
    </message>
    <message>
        <source>基本信息设定</source>
        <translation>Event settings</translation>
    </message>
    <message>
        <source>录入用户信息</source>
        <translation>Participants</translation>
    </message>
    <message>
        <source>查看中獎記錄</source>
        <translation>Winners record</translation>
    </message>
    <message>
        <source>奖品设置</source>
        <translation>Prize settings</translation>
    </message>
    <message>
        <source>全屏演示</source>
        <translation>Full-screen presentation</translation>
    </message>
    <message>
        <source>关于Vantor抽奖系统</source>
        <translation>About Sortilo prize draw</translation>
    </message>
    <message>
        <source>退出(&amp;x)</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>无法写入 %1：%2</source>
        <translation>Could not write %1: %2</translation>
    </message>
    <message>
        <source>请先关闭打开的窗口</source>
        <translation>Please close the open window first</translation>
    </message>
    <message>
        <source>再次显示中奖名单墙</source>
        <translation>Show the winners wall again</translation>
    </message>
    <message>
        <source>签到台</source>
        <translation>Check-in desk</translation>
    </message>
</context>
<context>
    <name>CExcelApplication</name>
    <message>
        <source>工作簿已保存到：
%1

没有能打开它的电子表格程序，请自行打开这个文件。</source>
        <translation>The workbook was saved to:
%1

No spreadsheet program could open it; please open the file yourself.</translation>
    </message>
</context>
<context>
    <name>CImportResultDlg</name>
    <message>
        <source>导入信息</source>
        <translation>Import result</translation>
    </message>
    <message>
        <source>笔</source>
        <translation>rows</translation>
    </message>
    <message>
        <source>一共导入：</source>
        <translation>Total read:</translation>
    </message>
    <message>
        <source>成功导入：</source>
        <translation>Imported:</translation>
    </message>
    <message>
        <source>导入失败：</source>
        <translation>Failed:</translation>
    </message>
    <message>
        <source>注：导入的ＥＸＣＥＬ文件的第一列必须为ID,NAME,MEMO，同时该工作簿的名称必须为sheet1</source>
        <translation>Note: the first row of the imported Excel file must hold ID, NAME, MEMO, and its worksheet must be named sheet1</translation>
    </message>
    <message>
        <source>失败导入明细表</source>
        <translation>Rows that failed</translation>
    </message>
</context>
<context>
    <name>CPersonDlg</name>
    <message>
        <source>录入抽奖人员信息</source>
        <translation>Participants of the draw</translation>
    </message>
    <message>
        <source>注：抽奖程序将从本人员列表中随机抽出幸运人员,每人仅有中奖一次的机会。</source>
        <translation>Note: the draw picks winners at random from this list of participants; each participant can win only once.</translation>
    </message>
    <message>
        <source>从Excel导入</source>
        <translation>Import from Excel</translation>
    </message>
    <message>
        <source>查看Excel模版</source>
        <translation>Open Excel template</translation>
    </message>
    <message>
        <source>导出至Excel</source>
        <translation>Export to Excel</translation>
    </message>
    <message>
        <source>新增(&amp;I)</source>
        <translation>&amp;Insert</translation>
    </message>
    <message>
        <source>保存(&amp;S)</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>修改(&amp;M)</source>
        <translation>&amp;Modify</translation>
    </message>
    <message>
        <source>删除(&amp;D)</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>刷新(R)</source>
        <translation>Refresh (R)</translation>
    </message>
    <message>
        <source>清除全部</source>
        <translation>Clear all</translation>
    </message>
    <message>
        <source>编号：</source>
        <translation>ID:</translation>
    </message>
    <message>
        <source>姓名：</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>备注：</source>
        <translation>Remarks:</translation>
    </message>
    <message>
        <source>记录总数:</source>
        <translation>Total:</translation>
    </message>
    <message>
        <source>查找(&amp;F)：</source>
        <translation>&amp;Find:</translation>
    </message>
    <message>
        <source>正在导入人员，请等导入结束后再关闭。</source>
        <translation>Participants are being imported: please wait until the import has finished before closing.</translation>
    </message>
    <message>
        <source>人员 %1 已不存在（可能已被删除），没有修改任何内容。列表已刷新。</source>
        <translation>Participant %1 no longer exists (it may have been deleted); nothing was changed. The list has been refreshed.</translation>
    </message>
    <message>
        <source>人员 %1 已不存在（可能已被删除），没有删除任何内容。列表已刷新。</source>
        <translation>Participant %1 no longer exists (it may have been deleted); nothing was deleted. The list has been refreshed.</translation>
    </message>
    <message>
        <source>正在导入人员，请等本次导入结束后再清空人员列表。</source>
        <translation>Participants are being imported: please wait until this import has finished before clearing the list.</translation>
    </message>
    <message>
        <source>正在导入人员，请等本次导入结束。</source>
        <translation>Participants are being imported: please wait until this import has finished.</translation>
    </message>
    <message>
        <source>没有能打开模版文件的电子表格程序，请自行打开：
%1</source>
        <translation>No spreadsheet program could open the template; please open it yourself:
%1</translation>
    </message>
    <message>
        <source>输入编号、姓名或分组查找</source>
        <translation>Type an ID, name or group to search</translation>
    </message>
    <message>
        <source>分组：</source>
        <translation>Group:</translation>
    </message>
</context>
<context>
    <name>CPrizeRecordDlg</name>
    <message>
        <source>查看中獎記錄</source>
        <translation>Winners record</translation>
    </message>
    <message>
        <source>清除(&amp;A)</source>
        <translation>Clear &amp;all</translation>
    </message>
    <message>
        <source>刷新(&amp;R)</source>
        <translation>&amp;Refresh</translation>
    </message>
    <message>
        <source>导出(&amp;E)</source>
        <translation>&amp;Export</translation>
    </message>
    <message>
        <source>中奖人数:</source>
        <translation>Winners:</translation>
    </message>
    <message>
        <source>分组</source>
        <translation>Group</translation>
    </message>
    <message>
        <source>作废(&amp;V)…</source>
        <translation>&amp;Void…</translation>
    </message>
    <message>
        <source>撤销作废(&amp;U)</source>
        <translation>&amp;Undo void</translation>
    </message>
    <message>
        <source>作废者可再次参与抽奖</source>
        <translation>Voided participants may win again</translation>
    </message>
    <message>
        <source>作废中奖记录</source>
        <translation>Void a win</translation>
    </message>
    <message>
        <source>未到场</source>
        <translation>absent</translation>
    </message>
    <message>
        <source>状态</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>请先在列表中选中一条有效的中奖记录。</source>
        <translation>Select a valid win in the list first.</translation>
    </message>
    <message>
        <source>作废 %1 的中奖记录。原因（可不填）：</source>
        <translation>Void the win of %1. Reason (optional):</translation>
    </message>
    <message>
        <source>确定作废 %1 的中奖记录吗？该名额可以补抽。</source>
        <translation>Void the win of %1? Its place can be drawn again.</translation>
    </message>
    <message>
        <source>请先在列表中选中一条作废记录。</source>
        <translation>Select a voided win in the list first.</translation>
    </message>
    <message>
        <source>没有找到这条中奖记录：它可能已在其他抽奖机上被作废或清除。</source>
        <translation>This win is no longer stored: it may have been voided or cleared at another station.</translation>
    </message>
    <message>
        <source>这条作废记录已不能撤销：它可能已在其他抽奖机上被撤销。</source>
        <translation>This void can no longer be undone: it may have been undone at another station.</translation>
    </message>
    <message>
        <source>该名额已经补抽，不能撤销作废。</source>
        <translation>A replacement has been drawn for this place: the void cannot be undone.</translation>
    </message>
    <message>
        <source>作废后此人已再次中奖，不能撤销作废。</source>
        <translation>This participant has won again since the void: it cannot be undone.</translation>
    </message>
    <message>
        <source>无法保存作废的变更。</source>
        <translation>The void could not be saved.</translation>
    </message>
    <message>
        <source>无法保存“作废者可再次参与抽奖”的设置。</source>
        <translation>The option “Voided participants may win again” could not be saved.</translation>
    </message>
</context>
<context>
    <name>CPrizeSettingsDlg</name>
    <message>
        <source>一等奖</source>
        <translation>1st prize</translation>
    </message>
    <message>
        <source>二等奖</source>
        <translation>2nd prize</translation>
    </message>
    <message>
        <source>三等奖</source>
        <translation>3rd prize</translation>
    </message>
    <message>
        <source>四等奖</source>
        <translation>4th prize</translation>
    </message>
    <message>
        <source>五等奖</source>
        <translation>5th prize</translation>
    </message>
    <message>
        <source>六等奖</source>
        <translation>6th prize</translation>
    </message>
    <message>
        <source>七等奖</source>
        <translation>7th prize</translation>
    </message>
    <message>
        <source>八等奖</source>
        <translation>8th prize</translation>
    </message>
    <message>
        <source>奖品设置</source>
        <translation>Prize settings</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source> 人/轮</source>
        <translation> per round</translation>
    </message>
    <message>
        <source>这个奖项每轮最多抽出的人数。超过 8 人时，按“+”可把名额调到这个数，一次抽出全部中奖者。</source>
        <translation>The most winners one round of this prize level may draw. Above 8, the + button raises the round&apos;s winners to this number and the round draws all of them at once.</translation>
    </message>
    <message>
        <source>参加范围（按分组）</source>
        <translation>Who may win (by group)</translation>
    </message>
</context>
<context>
    <name>CSkinDialog</name>
    <message>
        <source>窗口形状图片 %1 过于复杂：它的形状需要 %2 个以上的矩形。窗口改为矩形显示。</source>
        <translation>The window shape picture %1 is too complex: its shape needs more than %2 rectangles. The window is shown as a rectangle instead.</translation>
    </message>
</context>
<context>
    <name>CVoidRoundDlg</name>
    <message>
        <source>作废本轮中奖者</source>
        <translation>Void winners of this round</translation>
    </message>
    <message>
        <source>勾选未到场的中奖者：</source>
        <translation>Check the winners who are absent:</translation>
    </message>
    <message>
        <source>原因（可不填）：</source>
        <translation>Reason (optional):</translation>
    </message>
    <message>
        <source>未到场</source>
        <translation>absent</translation>
    </message>
    <message>
        <source>作废所选</source>
        <translation>Void the checked</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>CWinnersWall</name>
    <message>
        <source>中奖名单</source>
        <translation>Winners</translation>
    </message>
    <message>
        <source>第 %1 级奖项</source>
        <translation>Prize level %1</translation>
    </message>
    <message>
        <source>%1 中奖名单</source>
        <translation>%1 winners</translation>
    </message>
    <message>
        <source>共 %1 位中奖者</source>
        <translation>%1 winners in all</translation>
    </message>
    <message>
        <source>第 %1 / %2 页</source>
        <translation>Page %1 of %2</translation>
    </message>
    <message>
        <source>翻页：F6、方向键、Page Up / Page Down 或滚轮&#x3000;返回：Esc</source>
        <translation>Turn pages: F6, arrow keys, Page Up / Page Down or the wheel    Back: Esc</translation>
    </message>
</context>
<context>
    <name>CheckinDesk</name>
    <message>
        <source>编号 %1</source>
        <translation>Number %1</translation>
    </message>
    <message>
        <source>签到成功</source>
        <translation>Checked in</translation>
    </message>
    <message>
        <source>已签到 (%1)</source>
        <translation>Already checked in (%1)</translation>
    </message>
    <message>
        <source>查无此编号</source>
        <translation>No such number</translation>
    </message>
    <message>
        <source>签到失败，请再扫一次</source>
        <translation>Check-in failed, please scan again</translation>
    </message>
    <message>
        <source>已签到 %1 / %2</source>
        <translation>Checked in %1 / %2</translation>
    </message>
</context>
<context>
    <name>CheckinPage</name>
    <message>
        <source>签到成功！</source>
        <translation>Checked in!</translation>
    </message>
    <message>
        <source>您已签到，无需重复签到。</source>
        <translation>You are already checked in.</translation>
    </message>
    <message>
        <source>编号或姓名不正确，请核对后重试。</source>
        <translation>Number or name not recognised. Please check them and try again.</translation>
    </message>
    <message>
        <source>尝试次数过多，请稍后再试。</source>
        <translation>Too many attempts. Please try again later.</translation>
    </message>
    <message>
        <source>暂时无法签到，请稍后再试或到签到台办理。</source>
        <translation>Check-in is not available just now. Please try again later or go to the check-in desk.</translation>
    </message>
    <message>
        <source>zh-CN</source>
        <comment>HTML language tag of the page</comment>
        <translation>en</translation>
    </message>
    <message>
        <source>活动签到</source>
        <translation>Event check-in</translation>
    </message>
    <message>
        <source>编号</source>
        <translation>Number</translation>
    </message>
    <message>
        <source>姓名</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>签到</source>
        <translation>Check in</translation>
    </message>
    <message>
        <source>请输入您的编号和姓名后点击“签到”。</source>
        <translation>Enter your participant number and name, then press “Check in”.</translation>
    </message>
</context>
<context>
    <name>CheckinPageRunner</name>
    <message>
        <source>无法连接活动的数据库。</source>
        <translation>The event&apos;s database cannot be reached.</translation>
    </message>
    <message>
        <source>本机没有连接局域网，手机无法打开签到网页。请先连上会场的网络（Wi-Fi 或网线），再开启签到网页。</source>
        <translation>This computer is not connected to a local network, so phones cannot open the check-in page. Connect it to the venue&apos;s network (Wi-Fi or cable) first, then switch the check-in page on.</translation>
    </message>
    <message>
        <source>无法保存签到密钥：%1</source>
        <translation>The check-in key cannot be saved: %1</translation>
    </message>
    <message>
        <source>无法打开活动的数据：%1</source>
        <translation>The event&apos;s data cannot be opened: %1</translation>
    </message>
    <message>
        <source>端口 %1 无法使用（%2）。它可能已被其他程序占用：请关闭那个程序，或在活动文件夹的 config.ini 中 [CHECKINPAGE] 一节把 PORT 改为其他端口。</source>
        <translation>Port %1 cannot be used (%2). Another program may be using it: close that program, or set PORT in the [CHECKINPAGE] section of config.ini in the event folder to another port.</translation>
    </message>
</context>
<context>
    <name>CheckinQrPanel</name>
    <message>
        <source>扫码签到</source>
        <translation>Scan to check in</translation>
    </message>
</context>
<context>
    <name>CheckinService</name>
    <message>
        <source>无法打开签到数据。</source>
        <translation>The check-in data cannot be opened.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>一共导入：%1</source>
        <translation>Total read: %1</translation>
    </message>
    <message>
        <source>成功导入：%1</source>
        <translation>Imported: %1</translation>
    </message>
    <message>
        <source>导入失败：%1</source>
        <translation>Failed: %1</translation>
    </message>
    <message>
        <source>导入的工作簿中没有名为 sheet1 的工作表，第一行须为 ID、NAME、MEMO。</source>
        <translation>The workbook has no sheet named sheet1; its first row must be ID, NAME, MEMO.</translation>
    </message>
    <message>
        <source>模版文件不存在。</source>
        <translation>The template file does not exist.</translation>
    </message>
    <message>
        <source>格式请参考模版文件：%1</source>
        <translation>See the template file for the layout: %1</translation>
    </message>
    <message>
        <source>工作簿以 .xlsx 格式保存，不能用 .xls 作扩展名：%1
请改用 .xlsx 扩展名。</source>
        <translation>Workbooks are saved in .xlsx format and cannot take the .xls extension: %1
Please use the .xlsx extension.</translation>
    </message>
    <message>
        <source>无法读取抽奖日志或中奖记录：%1</source>
        <translation>Cannot read the draw log or the winners record: %1</translation>
    </message>
    <message>
        <source>抽奖日志第 %1 条被改动过，或它之前的条目被删除过（%2）。</source>
        <translation>Entry %1 of the draw log was changed, or an entry before it was removed (%2).</translation>
    </message>
    <message>
        <source>抽奖日志末尾的条目被删除或添加过（%1）。</source>
        <translation>Entries at the end of the draw log were removed or added (%1).</translation>
    </message>
    <message>
        <source>抽奖日志第 %1 条无法识别（%2）。</source>
        <translation>Entry %1 of the draw log cannot be read (%2).</translation>
    </message>
    <message>
        <source>抽奖日志第 %1 条再次记下了 %2 中奖，其间没有清除中奖记录。</source>
        <translation>Entry %1 of the draw log records a second win of %2 without a clearing of the winners in between.</translation>
    </message>
    <message>
        <source>抽奖日志第 %1 条记下的 %2 中奖不在中奖记录中。</source>
        <translation>The win of %2 in entry %1 of the draw log is not in the winners record.</translation>
    </message>
    <message>
        <source>中奖记录中 %1 的中奖与抽奖日志第 %2 条不同（%3）。</source>
        <translation>The win of %1 in the winners record differs from entry %2 of the draw log (%3).</translation>
    </message>
    <message>
        <source>中奖记录中 %1 的中奖没有记在抽奖日志中。</source>
        <translation>The win of %1 in the winners record is not in the draw log.</translation>
    </message>
    <message>
        <source>中奖记录与抽奖日志共有 %1 处不一致。</source>
        <translation>The winners record and the draw log differ in %1 places.</translation>
    </message>
    <message>
        <source>抽奖日志完整，与中奖记录一致。</source>
        <translation>The draw log is whole and agrees with the winners record.</translation>
    </message>
    <message>
        <source>日志条目：%1（中奖 %2，清除 %3，导入 %4）</source>
        <translation>Log entries: %1 (wins %2, clearings %3, imports %4)</translation>
    </message>
    <message>
        <source>中奖人数：%1</source>
        <translation>Winners: %1</translation>
    </message>
    <message>
        <source>最后一条的摘要：%1</source>
        <translation>Digest of the last entry: %1</translation>
    </message>
    <message>
        <source>无法保存抽奖日志 %1：%2</source>
        <translation>Cannot save the draw log %1: %2</translation>
    </message>
    <message>
        <source>签到二维码：%1</source>
        <translation>Check-in QR code: %1</translation>
    </message>
    <message>
        <source>抽奖日志第 %1 条对 %2 的作废、撤销或替补不成立（%3）。</source>
        <translation>Entry %1 of the draw log voids, restores or replaces a win of %2 that it cannot (%3).</translation>
    </message>
    <message>
        <source>抽奖日志第 %1 条记下的 %2 的作废不在作废记录中。</source>
        <translation>The void of %2 that entry %1 of the draw log records is not in the voided wins.</translation>
    </message>
    <message>
        <source>作废记录中 %1 的作废与抽奖日志第 %2 条不同（%3）。</source>
        <translation>The void of %1 in the voided wins differs from entry %2 of the draw log (%3).</translation>
    </message>
    <message>
        <source>作废记录中 %1 的作废没有记在抽奖日志中。</source>
        <translation>The void of %1 in the voided wins is not in the draw log.</translation>
    </message>
    <message>
        <source>作废：%1（撤销 %2，替补 %3），作废记录 %4 条</source>
        <translation>Voided wins: %1 (undone %2, replaced %3), %4 rows of voided wins</translation>
    </message>
</context>
<context>
    <name>DatabaseTarget</name>
    <message>
        <source>无法读取设置文件 %1。</source>
        <translation>The settings file %1 cannot be read.</translation>
    </message>
    <message>
        <source>文件中有 [DATABASE] 一节，本机可能使用共享的数据库服务器。为免中奖记录与其他抽奖机分开保存，程序不会改用本机的数据库：请修正该文件后再启动。</source>
        <translation>The file has a [DATABASE] section, so this station may use a shared database server. So that its winners are not stored apart from the other draw stations&apos;, the program will not switch to this computer&apos;s own database: please correct the file and start again.</translation>
    </message>
    <message>
        <source>无法确定本机是否应使用共享的数据库服务器。</source>
        <translation>It cannot be told whether this station should use a shared database server.</translation>
    </message>
</context>
<context>
    <name>DemoMark</name>
    <message>
        <source>演示活动 · 关闭后数据全部删除</source>
        <translation>Demo event · all data is deleted on closing</translation>
    </message>
    <message>
        <source>演示活动</source>
        <translation>Demo event</translation>
    </message>
</context>
<context>
    <name>DrawLogExport</name>
    <message>
        <source>序号</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>类型</source>
        <translation>Kind</translation>
    </message>
    <message>
        <source>时间（UTC）</source>
        <translation>Time (UTC)</translation>
    </message>
    <message>
        <source>工作站</source>
        <translation>Station</translation>
    </message>
    <message>
        <source>内容</source>
        <translation>Content</translation>
    </message>
    <message>
        <source>前一条的摘要</source>
        <translation>Digest of the entry before</translation>
    </message>
    <message>
        <source>摘要</source>
        <translation>Digest</translation>
    </message>
</context>
<context>
    <name>DrawTexts</name>
    <message>
        <source>参加抽奖的人员名单是空的。
请点击左上角的菜单按钮（或在窗口上单击右键），选择“录入用户信息”，添加或导入参加抽奖的人员。</source>
        <translation>The list of participants is empty.
Click the menu button at the top left (or right-click the window), choose “Participants”, and add or import the people taking part in the draw.</translation>
    </message>
    <message>
        <source>奖品：%1</source>
        <translation>Prize: %1</translation>
    </message>
    <message>
        <source>编号 %1 刚刚已在另一台抽奖机上中奖，这次抽中没有记录，不算中奖。已显示的中奖者都已保存。请按“开始”重新抽取。</source>
        <translation>ID %1 has just won on another draw station; this pick was not recorded and does not count. The winners shown so far are all stored. Press “Start” to draw again.</translation>
    </message>
    <message>
        <source>编号 %1 的中奖没有记录：数据库文件在程序运行时被删除或替换，而且无法在旁边写入副本。请不要关闭程序，先把程序文件夹中的文件复制到别处。</source>
        <translation>The win of ID %1 was not recorded: the database file was deleted or replaced while the program was running, and no copy could be written beside it. Do not close the program: first copy the files of the program&apos;s folder somewhere else.</translation>
    </message>
    <message>
        <source>编号 %1 的中奖没有记录：数据库文件在程序运行时被删除或替换。已保存的中奖者都已复制到 %2。请关闭程序后重新启动：程序会自动用这份副本替换 %3，原来的文件改名保留。</source>
        <translation>The win of ID %1 was not recorded: the database file was deleted or replaced while the program was running. All stored winners have been copied to %2. Close the program and start it again: it will replace %3 with this copy automatically and keep the old file under a new name.</translation>
    </message>
    <message>
        <source>编号 %1 的中奖没有记录：数据库无法保存（连接中断、磁盘已满或数据库拒绝写入）。已显示的中奖者都已保存。请检查数据库连接和磁盘空间，然后按“开始”重新抽取。</source>
        <translation>The win of ID %1 was not recorded: the database could not store it (connection lost, disk full or the database refused the write). The winners shown so far are all stored. Check the database connection and the disk space, then press “Start” to draw again.</translation>
    </message>
    <message>
        <source>这一轮的 %1 位中奖者都没有记录，不算中奖。</source>
        <translation>None of this round&apos;s %1 winners was stored; none of them has won.</translation>
    </message>
    <message>
        <source>%1 位中奖者</source>
        <translation>%1 winners</translation>
    </message>
    <message>
        <source>最大值为%1</source>
        <translation>The maximum is %1</translation>
    </message>
    <message>
        <source>第 %1 级奖项</source>
        <translation>Prize level %1</translation>
    </message>
    <message>
        <source>第 %1 级奖项“%2”</source>
        <translation>Prize level %1 (“%2”)</translation>
    </message>
    <message>
        <source>%1没有可抽的人员了：按奖品设置中此奖项的参加范围，符合条件的人员都已中奖。
请在“奖品设置”中调整参加范围，或改抽其他奖项。</source>
        <translation>%1 has nobody left to draw: every participant its rule in the prize settings admits has already won.
Change who may win it in “Prize settings”, or draw another prize level.</translation>
    </message>
    <message>
        <source>只有已签到的人员参加抽奖，但已签到且未中奖的人员一个也没有。
请先签到，或在“录入用户信息”中取消“只有已签到的人员参加抽奖”。</source>
        <translation>Only checked-in participants take part in the draw, but no checked-in participant without a win is left.
Check participants in first, or clear “Only checked-in participants take part in the draw” under “Participants”.</translation>
    </message>
    <message>
        <source>编号 %1 的中奖没有记录：要补的空缺名额刚刚已在另一台抽奖机上补抽（或作废已被撤销）。已显示的中奖者都已保存。本轮补抽到此结束。</source>
        <translation>The win of number %1 was not recorded: the open place it was to fill has just been filled at another draw station (or its void was undone). The winners shown are all saved. This replacement round ends here.</translation>
    </message>
    <message>
        <source>补抽</source>
        <translation>Replacement</translation>
    </message>
    <message>
        <source>开始补抽...</source>
        <translation>Starting the replacement draw...</translation>
    </message>
    <message>
        <source>正在补抽第%1名...</source>
        <translation>Drawing the replacement for place %1...</translation>
    </message>
    <message>
        <source>%1没有作废后空出的名额，不需要补抽。</source>
        <translation>%1 has no open place left by a voided win: there is nothing to draw again.</translation>
    </message>
</context>
<context>
    <name>DrawWindowCheckin</name>
    <message>
        <source>在局域网提供签到网页</source>
        <translation>Serve the check-in page on the local network</translation>
    </message>
    <message>
        <source>显示签到二维码</source>
        <translation>Show the check-in QR code</translation>
    </message>
    <message>
        <source>签到网页未能开启。</source>
        <translation>The check-in page could not be switched on.</translation>
    </message>
    <message>
        <source>无法保存签到网页的设置：%1</source>
        <translation>The check-in page setting cannot be saved: %1</translation>
    </message>
    <message>
        <source>请先在菜单中开启签到网页</source>
        <translation>Switch the check-in page on in the menu first</translation>
    </message>
    <message>
        <source>已签到 %1 / %2</source>
        <translation>Checked in %1 / %2</translation>
    </message>
</context>
<context>
    <name>DrawWindowVoids</name>
    <message>
        <source>作废本轮中奖者…</source>
        <translation>Void winners of this round…</translation>
    </message>
    <message>
        <source>补抽空缺名额（%1）</source>
        <translation>Draw replacements for open places (%1)</translation>
    </message>
    <message>
        <source>确定作废所选的 %1 位中奖者吗？他们的名额可以补抽。</source>
        <translation>Void the %1 checked winner(s)? Their places can be drawn again.</translation>
    </message>
    <message>
        <source>%1 位中奖者未能作废：%2</source>
        <translation>%1 winner(s) could not be voided: %2</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>已作废 %1 位中奖者</source>
        <translation>%1 winner(s) voided</translation>
    </message>
</context>
<context>
    <name>EligibilityEditor</name>
    <message>
        <source>所有人员</source>
        <translation>Every participant</translation>
    </message>
    <message>
        <source>仅限勾选的分组</source>
        <translation>Only the checked groups</translation>
    </message>
    <message>
        <source>勾选的分组以外的人员</source>
        <translation>Everyone except the checked groups</translation>
    </message>
    <message>
        <source>奖项：</source>
        <translation>Prize level:</translation>
    </message>
    <message>
        <source>可参加：</source>
        <translation>May win:</translation>
    </message>
    <message>
        <source>%1（%2 人）</source>
        <translation>%1 (%2 participants)</translation>
    </message>
    <message>
        <source>仅限：%1</source>
        <translation>only %1</translation>
    </message>
    <message>
        <source>除外：%1</source>
        <translation>all except %1</translation>
    </message>
    <message>
        <source>%1：%2，现可抽 %3 人</source>
        <translation>%1: %2; %3 participants can win now</translation>
    </message>
</context>
<context>
    <name>EventFolder</name>
    <message>
        <source>无法新建演示活动：%1</source>
        <translation>Could not create the demo event: %1</translation>
    </message>
</context>
<context>
    <name>EventSettings</name>
    <message>
        <source>Vantor软件开发实验室</source>
        <translation>Vantor Software Lab</translation>
    </message>
    <message>
        <source>喜迎新春抽奖活动</source>
        <translation>New Year Prize Draw</translation>
    </message>
</context>
<context>
    <name>ImportPerson</name>
    <message>
        <source>内容无法按原样保存</source>
        <translation>The content cannot be stored as it is</translation>
    </message>
</context>
<context>
    <name>IniFile</name>
    <message>
        <source>设置文件 %1 有 %2 字节，超过上限 %3 字节，没有读取。</source>
        <translation>The settings file %1 has %2 bytes, more than the limit of %3 bytes; it was not read.</translation>
    </message>
    <message>
        <source>设置文件 %1：%2</source>
        <translation>Settings file %1: %2</translation>
    </message>
    <message>
        <source>%1 行超过 %2 个字符，已略过</source>
        <translation>%1 lines longer than %2 characters were skipped</translation>
    </message>
    <message>
        <source>有无法识别的字符（显示为 �）</source>
        <translation>it contains characters that could not be recognised (shown as �)</translation>
    </message>
    <message>
        <source>；</source>
        <translation>; </translation>
    </message>
    <message>
        <source>无法读取设置文件 %1：%2</source>
        <translation>The settings file %1 cannot be read: %2</translation>
    </message>
    <message>
        <source>含有空字符（NUL），不是文本文件</source>
        <translation>it holds NUL characters and is not a text file</translation>
    </message>
</context>
<context>
    <name>ParticipantImport</name>
    <message>
        <source>数据库未能保存</source>
        <translation>The database could not store it</translation>
    </message>
    <message>
        <source>导入未完成：数据库未能保存最后读入的 %1 笔人员，这些人员已列入失败明细。</source>
        <translation>Import not completed: the database could not store the last %1 participants read; they are listed among the failed rows.</translation>
    </message>
    <message>
        <source>导入已中止：数据库未能保存最后读入的 %1 笔人员，这些人员已列入失败明细，其后的行没有读取。</source>
        <translation>Import stopped: the database could not store the last %1 participants read; they are listed among the failed rows, and the rows after them were not read.</translation>
    </message>
    <message>
        <source>本次实际保存了 %1 笔。</source>
        <translation>%1 rows were actually stored this time.</translation>
    </message>
    <message>
        <source>导入已停止：读到第 %1 行时，文件中的文字已超过 %2 个字符，远超人员名单所需；之前读入的行已保存。</source>
        <translation>Import stopped at row %1: the text of the file exceeds %2 characters, far more than a list of participants needs; the rows read before were stored.</translation>
    </message>
    <message>
        <source>导入的人员已保存，但抽奖日志未能记下这次导入。</source>
        <translation>The imported participants were saved, but the draw log could not record this import.</translation>
    </message>
</context>
<context>
    <name>PersonCheckinBar</name>
    <message>
        <source>全部人员</source>
        <translation>All participants</translation>
    </message>
    <message>
        <source>已签到</source>
        <translation>Checked in</translation>
    </message>
    <message>
        <source>未签到</source>
        <translation>Not checked in</translation>
    </message>
    <message>
        <source>签到 / 取消签到</source>
        <translation>Check in / out</translation>
    </message>
    <message>
        <source>只有已签到的人员参加抽奖</source>
        <translation>Only checked-in participants take part in the draw</translation>
    </message>
    <message>
        <source>签到：</source>
        <translation>Check-in:</translation>
    </message>
    <message>
        <source>请先在列表中选择一位人员。</source>
        <translation>Select a participant in the list first.</translation>
    </message>
    <message>
        <source>已签到 %1 / %2</source>
        <translation>Checked in %1 / %2</translation>
    </message>
</context>
<context>
    <name>PersonTableModel</name>
    <message>
        <source>分组</source>
        <translation>Group</translation>
    </message>
    <message>
        <source>签到时间</source>
        <translation>Checked in at</translation>
    </message>
</context>
<context>
    <name>PersonText</name>
    <message>
        <source>含有无法识别的字符（文件编码有误）</source>
        <translation>contains characters that could not be recognised (wrong file encoding)</translation>
    </message>
    <message>
        <source>含有控制字符（如换行、空字符）</source>
        <translation>contains control characters (such as line breaks or null characters)</translation>
    </message>
    <message>
        <source>含有残缺的字符（不成对的代理项）</source>
        <translation>contains broken characters (unpaired surrogates)</translation>
    </message>
    <message>
        <source>编号只有看不见的字符</source>
        <translation>has only invisible characters</translation>
    </message>
    <message>
        <source>超过 %1 个字符</source>
        <translation>longer than %1 characters</translation>
    </message>
</context>
<context>
    <name>ResourceModule</name>
    <message>
        <source>zh_CN</source>
        <comment>The code of this module&apos;s language (zh_TW, en, ...), not a text anyone reads: skins pick their pictures by it.</comment>
        <translation>en</translation>
    </message>
</context>
<context>
    <name>SkinDescription</name>
    <message>
        <source>皮肤描述的 [%1] 段元素超过 %2 个：第 %3 项及其后各项未使用。</source>
        <translation>Section [%1] of the skin description has more than %2 elements: entry %3 and those after it are not used.</translation>
    </message>
    <message>
        <source>皮肤描述文件 %1 未读取：它有 %2 字节，超过皮肤描述文件的上限 %3 字节。窗口将不带皮肤显示。</source>
        <translation>The skin description file %1 was not read: it has %2 bytes, more than the limit of %3 bytes for a skin description. The window is shown without its skin.</translation>
    </message>
    <message>
        <source>无法读取皮肤描述文件 %1。窗口将不带皮肤显示。</source>
        <translation>Could not read the skin description file %1. The window is shown without its skin.</translation>
    </message>
</context>
<context>
    <name>SqliteFileGuard</name>
    <message>
        <source>已被删除</source>
        <translation>was deleted</translation>
    </message>
    <message>
        <source>已被另一个文件替换</source>
        <translation>was replaced by another file</translation>
    </message>
    <message>
        <source>的日志文件 %1 已被删除或替换</source>
        <translation>had its log file %1 deleted or replaced</translation>
    </message>
    <message>
        <source>已被另一个文件覆盖</source>
        <translation>was overwritten by another file</translation>
    </message>
    <message>
        <source>文件名 %1 已被占用</source>
        <translation>the file name %1 is already taken</translation>
    </message>
    <message>
        <source>数据库文件 %1 在程序运行时%2</source>
        <translation>The database file %1 %2 while the program was running</translation>
    </message>
    <message>
        <source>%1。此后的中奖者不再保存；此前保存的全部中奖者在 %2 中。请关闭程序后重新启动。</source>
        <translation>%1. Winners from now on are no longer stored; all winners stored before are in %2. Close the program and start it again.</translation>
    </message>
    <message>
        <source>%1。此后的中奖者不再保存。

到目前为止保存的全部中奖者已安全写入恢复副本：
%2

%3</source>
        <translation>%1. Winners from now on are no longer stored.

All winners stored so far have been written safely to a recovery copy:
%2

%3</translation>
    </message>
    <message>
        <source>请关闭程序后重新启动：程序会自动用这份副本替换 %1，原来的文件改名保留。</source>
        <translation>Close the program and start it again: it will replace %1 with this copy automatically and keep the old file under a new name.</translation>
    </message>
    <message>
        <source>请关闭程序，删除 %1-wal 和 %1-shm（如果存在），把副本改名为 %1 后重新启动。</source>
        <translation>Close the program, delete %1-wal and %1-shm (if they exist), rename the copy to %1 and start the program again.</translation>
    </message>
    <message>
        <source>%1。此后的中奖者不再保存，恢复副本也无法写入（%2）。请不要关闭程序，先把活动文件夹中的文件复制到别处。</source>
        <translation>%1. Winners from now on are no longer stored, and the recovery copy could not be written either (%2). Do not close the program: first copy the files of the event folder somewhere else.</translation>
    </message>
    <message>
        <source>恢复说明 %1 所指的副本不存在，已忽略；继续使用 %2。</source>
        <translation>The copy named by the recovery note %1 does not exist and was ignored; %2 stays in use.</translation>
    </message>
    <message>
        <source>无法把 %1 改名，恢复副本 %2 未能放回原处。请手动处理后重新启动。</source>
        <translation>Could not rename %1: the recovery copy %2 was not put back in its place. Please sort it out by hand and start again.</translation>
    </message>
    <message>
        <source>无法把恢复副本 %1 改名为 %2。请手动处理后重新启动。</source>
        <translation>Could not rename the recovery copy %1 to %2. Please sort it out by hand and start again.</translation>
    </message>
    <message>
        <source>上次运行时数据库文件被删除或替换。恢复副本 %1 已放回原处，作为 %2 继续使用。</source>
        <translation>The database file was deleted or replaced during the last run. The recovery copy %1 has been put back in its place and is used as %2.</translation>
    </message>
    <message>
        <source>
原来的文件已改名保留：%1</source>
        <translation>
The old file was kept under a new name: %1</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>关于 Sortilo(&amp;A)...</source>
        <translation>&amp;About Sortilo...</translation>
    </message>
    <message>
        <source>编號</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>姓名</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>中獎時間</source>
        <translation>Time won</translation>
    </message>
    <message>
        <source>|Vantor软件开发	|廠慶抽獎活動
</source>
        <translation>|Vantor Software	|Company Anniversary Prize Draw
</translation>
    </message>
    <message>
        <source>中奖者：</source>
        <translation>Winner:</translation>
    </message>
    <message>
        <source>本次抽奖未完成</source>
        <translation>This pick was not completed</translation>
    </message>
    <message>
        <source>抽奖完毕,如果想继续抽奖请先清除所有的获奖者名单</source>
        <translation>The draw is complete. To keep drawing, clear the winners record first</translation>
    </message>
    <message>
        <source>抽獎程序</source>
        <translation>Prize Draw</translation>
    </message>
    <message>
        <source>幸运号码...</source>
        <translation>Lucky number...</translation>
    </message>
    <message>
        <source>中奖名单</source>
        <translation>Winners</translation>
    </message>
    <message>
        <source>正在抽第</source>
        <translation>Drawing winner </translation>
    </message>
    <message>
        <source>位...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>抽奖名额不能大于参加抽奖的人数!</source>
        <translation>The number of winners a round cannot exceed the number of participants in the draw!</translation>
    </message>
    <message>
        <source>本轮抽奖完毕!</source>
        <translation>This round is over!</translation>
    </message>
    <message>
        <source>正在抽奖中,不能设置(按键无效)...</source>
        <translation>A draw is running: settings cannot be changed (key ignored)...</translation>
    </message>
    <message>
        <source>正在抽奖中,不能退出!</source>
        <translation>A draw is running: the program cannot be closed now!</translation>
    </message>
    <message>
        <source>开始抽奖...</source>
        <translation>Starting the draw...</translation>
    </message>
    <message>
        <source>最大值为8</source>
        <translation>The maximum is 8</translation>
    </message>
    <message>
        <source>最小值为1</source>
        <translation>The minimum is 1</translation>
    </message>
    <message>
        <source>备注</source>
        <translation>Remarks</translation>
    </message>
    <message>
        <source>获奖等级</source>
        <translation>Prize level</translation>
    </message>
    <message>
        <source>中奖序号</source>
        <translation>Winner no.</translation>
    </message>
    <message>
        <source>用户编号不能大于８。</source>
        <translation>The participant ID may not be longer than 8 characters.</translation>
    </message>
    <message>
        <source>该用户已经存在</source>
        <translation>This participant already exists</translation>
    </message>
    <message>
        <source>取消(&amp;C)</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>新增(&amp;N)</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>确实要删除用户:</source>
        <translation>Do you really want to delete the participant </translation>
    </message>
    <message>
        <source>请先选择要删除的人员.</source>
        <translation>Please select the participant to delete first.</translation>
    </message>
    <message>
        <source>您确定要清空人员列表吗？Y/n</source>
        <translation>Do you really want to clear the list of participants? Y/n</translation>
    </message>
    <message>
        <source>您确定要清空中奖人员列表吗？Y/n</source>
        <translation>Do you really want to clear the list of winners? Y/n</translation>
    </message>
    <message>
        <source>你确定要强制退出吗？y/n</source>
        <translation>Do you really want to force the program to close? y/n</translation>
    </message>
    <message>
        <source>编号不能为空！</source>
        <translation>The ID cannot be empty!</translation>
    </message>
    <message>
        <source>姓名不能为空！</source>
        <translation>The name cannot be empty!</translation>
    </message>
    <message>
        <source>格式不正确，导入的ＥＸＣＥＬ文件的第一列必须为ID,NAME,MEMO，同时该工作簿的名称必须为sheet1</source>
        <translation>Wrong format: the first row of the imported Excel file must hold ID, NAME, MEMO, and its worksheet must be named sheet1</translation>
    </message>
    <message>
        <source>导入的ＥＸＣＥＬ文件的工作簿名称必须为Sheet1,如果不清楚具体的格式请参考模版文件，现在就要打开模版文件吗？</source>
        <translation>The worksheet of the imported Excel file must be named Sheet1. If you are not sure of the format, see the template file. Open the template file now?</translation>
    </message>
    <message>
        <source>模版文件不存在，请重新安装本软件！</source>
        <translation>The template file does not exist: please reinstall the program!</translation>
    </message>
    <message>
        <source>编号长度大于８</source>
        <translation>ID longer than 8 characters</translation>
    </message>
    <message>
        <source>编号为空</source>
        <translation>ID is empty</translation>
    </message>
    <message>
        <source>姓名为空</source>
        <translation>Name is empty</translation>
    </message>
    <message>
        <source>未知原因!</source>
        <translation>Unknown reason!</translation>
    </message>
    <message>
        <source>导入用户信息</source>
        <translation>Import participants</translation>
    </message>
    <message>
        <source>错误原因</source>
        <translation>Reason</translation>
    </message>
    <message>
        <source>完成导入！</source>
        <translation>Import finished!</translation>
    </message>
    <message>
        <source>奖品</source>
        <translation>Prize</translation>
    </message>
</context>
<context>
    <name>WinnerRecordList</name>
    <message>
        <source>作废 %1</source>
        <translation>Voided %1</translation>
    </message>
    <message>
        <source>，由 %1 替补</source>
        <translation>, replaced by %1</translation>
    </message>
    <message>
        <source>替补 %1</source>
        <translation>Replaces %1</translation>
    </message>
</context>
<context>
    <name>Workbook</name>
    <message>
        <source>单元格位置无效：%1</source>
        <translation>Invalid cell position: %1</translation>
    </message>
    <message>
        <source>缺少单元格的值</source>
        <translation>The cell value is missing</translation>
    </message>
    <message>
        <source>找不到文件：%1</source>
        <translation>File not found: %1</translation>
    </message>
    <message>
        <source>不支持的保存选项</source>
        <translation>Unsupported save option</translation>
    </message>
    <message>
        <source>工作簿中没有工作表“%1”</source>
        <translation>The workbook has no worksheet “%1”</translation>
    </message>
    <message>
        <source>电子表格对象未连接</source>
        <translation>The spreadsheet object is not connected</translation>
    </message>
    <message>
        <source>内存不足</source>
        <translation>Out of memory</translation>
    </message>
    <message>
        <source>工作表“%1”超过 %2 行，不予读取</source>
        <translation>Worksheet “%1” has more than %2 rows; not read</translation>
    </message>
    <message>
        <source>第 %1 行超过 %2 列，不予读取</source>
        <translation>Row %1 has more than %2 columns; not read</translation>
    </message>
    <message>
        <source>工作簿的单元格超过 %1 个，不予读取</source>
        <translation>The workbook has more than %1 cells; not read</translation>
    </message>
    <message>
        <source>单元格 %1 的内容超过 %2 个字符，不予读取</source>
        <translation>Cell %1 holds more than %2 characters; not read</translation>
    </message>
    <message>
        <source>单元格 %1 的引号没有闭合，其后的各行都会并入这一格，不予读取</source>
        <translation>The quotes of cell %1 are not closed, so every following row would run into this cell; not read</translation>
    </message>
    <message>
        <source>文件 %1 是本活动正在使用的数据库，不是工作簿</source>
        <translation>The file %1 is the database this event is using, not a workbook</translation>
    </message>
    <message>
        <source>无法打开文件 %1：%2</source>
        <translation>Could not open the file %1: %2</translation>
    </message>
    <message>
        <source>文件 %1 超过 %2 MB，不予读取</source>
        <translation>The file %1 is larger than %2 MB; not read</translation>
    </message>
    <message>
        <source>无法读取文件 %1：%2</source>
        <translation>Could not read the file %1: %2</translation>
    </message>
    <message>
        <source>文件不存在：%1</source>
        <translation>The file does not exist: %1</translation>
    </message>
    <message>
        <source>工作簿 %1 有密码保护，无法读取；请在电子表格程序中取消密码后另存，再导入</source>
        <translation>The workbook %1 is password-protected and cannot be read; remove the password in your spreadsheet program, save it again and import it</translation>
    </message>
    <message>
        <source>工作表名称“%1”无效：名称须为 1 至 31 个字符，不含 [ ] : * ? / \</source>
        <translation>Invalid worksheet name “%1”: a name has 1 to 31 characters, none of [ ] : * ? / \</translation>
    </message>
    <message>
        <source>已有名为“%1”的工作表</source>
        <translation>There is already a worksheet named “%1”</translation>
    </message>
    <message>
        <source>工作簿的工作表超过 %1 个</source>
        <translation>The workbook has more than %1 worksheets</translation>
    </message>
    <message>
        <source>不能保存为 %1：这是本活动正在使用的数据库文件</source>
        <translation>Cannot save as %1: it is the database file this event is using</translation>
    </message>
    <message>
        <source>单元格位置超出范围：第 %1 行第 %2 列</source>
        <translation>Cell position out of range: row %1, column %2</translation>
    </message>
    <message>
        <source>单元格 %1 的内容超过 %2 个字符</source>
        <translation>Cell %1 holds more than %2 characters</translation>
    </message>
    <message>
        <source>工作表的单元格超过 %1 个</source>
        <translation>The worksheet has more than %1 cells</translation>
    </message>
    <message>
        <source>无法读取 .xls 文件 %1：%2</source>
        <translation>Could not read the .xls file %1: %2</translation>
    </message>
    <message>
        <source>找不到读取 .xls 文件的程序 %1，请重新安装本程序</source>
        <translation>The program that reads .xls files, %1, was not found: please reinstall this program</translation>
    </message>
    <message>
        <source>读取程序 %1 无法启动：%2</source>
        <translation>The reader program %1 could not start: %2</translation>
    </message>
    <message>
        <source>读取超过 %1 秒仍未完成，已停止</source>
        <translation>Reading took more than %1 seconds and was stopped</translation>
    </message>
    <message>
        <source>读取程序中途异常退出（文件可能已损坏，或读取所需内存或时间超出限制）</source>
        <translation>The reader program ended abnormally (the file may be damaged, or reading needed more memory or time than allowed)</translation>
    </message>
    <message>
        <source>读取 .xls 文件的程序给出的结果有误，文件未读取</source>
        <translation>The program that reads .xls files gave a faulty result; the file was not read</translation>
    </message>
    <message>
        <source>工作簿中没有工作表</source>
        <translation>The workbook has no worksheets</translation>
    </message>
    <message>
        <source>文件不是工作簿</source>
        <translation>The file is not a workbook</translation>
    </message>
    <message>
        <source>工作簿太大，读取所需内存超出限制</source>
        <translation>The workbook is too large: reading it needs more memory than allowed</translation>
    </message>
    <message>
        <source>工作簿有密码保护，无法读取</source>
        <translation>The workbook is password-protected and cannot be read</translation>
    </message>
    <message>
        <source>工作簿文件已损坏（.xls，错误 %1）</source>
        <translation>The workbook file is damaged (.xls, error %1)</translation>
    </message>
    <message>
        <source>工作簿文件已损坏（%1）</source>
        <translation>The workbook file is damaged (%1)</translation>
    </message>
    <message>
        <source>工作簿中的 %1 有标记超过 %2 个属性，不予读取</source>
        <translation>%1 in the workbook has a tag with more than %2 attributes; not read</translation>
    </message>
    <message>
        <source>工作簿文件已损坏（%1 含有无效的字符引用 %2）</source>
        <translation>The workbook file is damaged (%1 contains an invalid character reference %2)</translation>
    </message>
    <message>
        <source>工作簿中的 %1 超过 %2 个标记，不予读取</source>
        <translation>%1 in the workbook has more than %2 tags; not read</translation>
    </message>
    <message>
        <source>工作簿中的 %1 超过 %2 个属性，不予读取</source>
        <translation>%1 in the workbook has more than %2 attributes; not read</translation>
    </message>
    <message>
        <source>工作簿的字符串超过 %1 个</source>
        <translation>The workbook has more than %1 strings</translation>
    </message>
    <message>
        <source>无法写入 %1：%2</source>
        <translation>Could not write %1: %2</translation>
    </message>
    <message>
        <source>工作簿文件已损坏</source>
        <translation>The workbook file is damaged</translation>
    </message>
    <message>
        <source>工作簿文件有两个同名的部件 %1，无法确定该读哪一个，不予读取</source>
        <translation>The workbook file has two parts named %1, and which one to read cannot be decided; not read</translation>
    </message>
    <message>
        <source>工作簿文件不完整，缺少 %1</source>
        <translation>The workbook file is incomplete: %1 is missing</translation>
    </message>
    <message>
        <source>工作簿中的 %1 解压后超过 %2 MB，不予读取</source>
        <translation>%1 in the workbook is larger than %2 MB once unpacked; not read</translation>
    </message>
    <message>
        <source>工作簿解压后超过 %1 MB，不予读取</source>
        <translation>The workbook is larger than %1 MB once unpacked; not read</translation>
    </message>
    <message>
        <source>可以读取的格式：.xlsx、.xls、.csv。</source>
        <translation>Formats that can be read: .xlsx, .xls, .csv.</translation>
    </message>
    <message>
        <source>文件 %1 是 OpenDocument 文件（如 .ods），无法读取。</source>
        <translation>The file %1 is an OpenDocument file (such as .ods) and cannot be read.</translation>
    </message>
    <message>
        <source>请在电子表格程序中将它另存为 .xlsx 后再导入。</source>
        <translation>Save it as .xlsx in a spreadsheet program, then import it.</translation>
    </message>
    <message>
        <source>文件 %1 不是工作簿。</source>
        <translation>The file %1 is not a workbook.</translation>
    </message>
</context>
<context>
    <name>WorkbookExport</name>
    <message>
        <source>这是一个文件夹</source>
        <translation>it is a folder</translation>
    </message>
    <message>
        <source>这个文件是只读的或没有写入权限</source>
        <translation>the file is read-only or may not be written</translation>
    </message>
    <message>
        <source>无法替换 %1：%2</source>
        <translation>cannot replace %1: %2</translation>
    </message>
    <message>
        <source>组别</source>
        <translation>Group</translation>
    </message>
    <message>
        <source>作废</source>
        <translation>Voided</translation>
    </message>
    <message>
        <source>编号</source>
        <translation>Number</translation>
    </message>
    <message>
        <source>姓名</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>备注</source>
        <translation>Remark</translation>
    </message>
    <message>
        <source>分组</source>
        <translation>Group</translation>
    </message>
    <message>
        <source>奖项等级</source>
        <translation>Prize level</translation>
    </message>
    <message>
        <source>名次</source>
        <translation>Place</translation>
    </message>
    <message>
        <source>奖品</source>
        <translation>Prize</translation>
    </message>
    <message>
        <source>中奖时间</source>
        <translation>Time won</translation>
    </message>
    <message>
        <source>作废时间</source>
        <translation>Time voided</translation>
    </message>
    <message>
        <source>原因</source>
        <translation>Reason</translation>
    </message>
    <message>
        <source>替补编号</source>
        <translation>Replaced by</translation>
    </message>
</context>
<context>
    <name>WorkbookFileDialog</name>
    <message>
        <source>工作簿 (*.xlsx *.xls *.csv)</source>
        <translation>Workbooks (*.xlsx *.xls *.csv)</translation>
    </message>
    <message>
        <source>工作簿 (*.xlsx)</source>
        <translation>Workbooks (*.xlsx)</translation>
    </message>
    <message>
        <source>工作簿将保存为 %1，这个文件已存在。
要替换它吗？</source>
        <translation>The workbook will be saved as %1, and this file already exists.
Replace it?</translation>
    </message>
</context>
</TS>
