<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="zh_TW" sourcelanguage="zh_CN">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>关于 Sortilo</source>
        <translation>關於 Sortilo</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Sortilo 抽奖系统&lt;/h2&gt;&lt;p&gt;版本 %1&lt;/p&gt;&lt;p&gt;年会、庆典现场抽奖：八个号码滚轮转动并停在中奖者的编号上，每位中奖者即时记入数据库，每人只能中奖一次。&lt;/p&gt;&lt;p&gt;F5 开始抽奖，F6 停止。右键菜单可录入人员、设置奖品和查看中奖记录。&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Sortilo 抽獎系統&lt;/h2&gt;&lt;p&gt;版本 %1&lt;/p&gt;&lt;p&gt;年會、慶典現場抽獎：八個號碼滾輪轉動並停在中獎者的編號上，每位中獎者即時記入資料庫，每人只能中獎一次。&lt;/p&gt;&lt;p&gt;F5 開始抽獎，F6 停止。右鍵選單可錄入人員、設定獎品和檢視中獎記錄。&lt;/p&gt;</translation>
    </message>
    <message>
        <source>本程序是自由软件，依照 GNU 通用公共许可证第 3 版或（由您选择）任何更新版本（GPL-3.0-or-later）发布。</source>
        <translation>本程式是自由軟體，依照 GNU 通用公共授權條款第 3 版或（由您選擇）任何更新版本（GPL-3.0-or-later）釋出。</translation>
    </message>
</context>
<context>
    <name>CAdoDatabase</name>
    <message>
        <source>数据库服务器没有响应，程序正在自动重新连接。本次操作没有完成，请稍后再试。</source>
        <translation>資料庫伺服器沒有回應，程式正在自動重新連線。本次操作沒有完成，請稍後再試。</translation>
    </message>
</context>
<context>
    <name>CBasicSettingsDlg</name>
    <message>
        <source>基本信息设定</source>
        <translation>基本資訊設定</translation>
    </message>
    <message>
        <source>背景音乐</source>
        <translation>背景音樂</translation>
    </message>
    <message>
        <source>抽取音乐</source>
        <translation>抽取音樂</translation>
    </message>
    <message>
        <source>自动抽奖，即点击开始后不用按停止键</source>
        <translation>自動抽獎，即點選開始後不用按停止鍵</translation>
    </message>
    <message>
        <source>每隔一次只从名单前一半中抽取</source>
        <translation>每隔一次只從名單前一半中抽取</translation>
    </message>
    <message>
        <source>选中时，每第二次抽取只在尚未中奖名单的前一半中进行，前一半人员的中奖机会是后一半的三倍。取消选中，则每次抽取人人机会均等。</source>
        <translation>選中時，每第二次抽取只在尚未中獎名單的前一半中進行，前一半人員的中獎機會是後一半的三倍。取消選中，則每次抽取人人機會均等。</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>儲存</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>公司名称</source>
        <translation>公司名稱</translation>
    </message>
    <message>
        <source>抽奖主题</source>
        <translation>抽獎主題</translation>
    </message>
    <message>
        <source>设置未能保存：%1</source>
        <translation>設定未能儲存：%1</translation>
    </message>
</context>
<context>
    <name>CCheckinDlg</name>
    <message>
        <source>签到台</source>
        <translation>簽到台</translation>
    </message>
    <message>
        <source>请扫描二维码或条形码，或输入编号后按回车</source>
        <translation>請掃描二維碼或條形碼，或輸入編號後按回車</translation>
    </message>
</context>
<context>
    <name>CDrawApp</name>
    <message>
        <source>连接数据库失败</source>
        <translation>連線資料庫失敗</translation>
    </message>
    <message>
        <source>活动文件夹 %1 已在另一个抽奖窗口中打开。
每个活动只能运行一个抽奖窗口：请使用已打开的窗口，或先将其关闭再启动。</source>
        <translation>活動資料夾 %1 已在另一個抽獎視窗中開啟。
每個活動只能執行一個抽獎視窗：請使用已開啟的視窗，或先將其關閉再啟動。</translation>
    </message>
    <message>
        <source>如果本机应与其他抽奖机共用数据库服务器，请选“否”，修正该文件后再启动。
是否使用本机的数据库 %1 继续（公司、主题等设置取默认值）？</source>
        <translation>如果本機應與其他抽獎機共用資料庫伺服器，請選「否」，修正該檔案後再啟動。
是否使用本機的資料庫 %1 繼續（公司、主題等設定取預設值）？</translation>
    </message>
</context>
<context>
    <name>CDrawDlg</name>
    <message>
        <source>基本信息设定</source>
        <translation>基本資訊設定</translation>
    </message>
    <message>
        <source>录入用户信息</source>
        <translation>錄入使用者資訊</translation>
    </message>
    <message>
        <source>查看中獎記錄</source>
        <translation>檢視中獎記錄</translation>
    </message>
    <message>
        <source>奖品设置</source>
        <translation>獎品設定</translation>
    </message>
    <message>
        <source>关于Vantor抽奖系统</source>
        <translation>關於Vantor抽獎系統</translation>
    </message>
    <message>
        <source>退出(&amp;x)</source>
        <translation>退出(&amp;x)</translation>
    </message>
    <message>
        <source>无法写入 %1：%2</source>
        <translation>無法寫入 %1：%2</translation>
    </message>
    <message>
        <source>全屏演示</source>
        <translation>全螢幕演示</translation>
    </message>
    <message>
        <source>无法保存显示方式：%1</source>
        <translation>無法儲存顯示方式：%1</translation>
    </message>
    <message>
        <source>请先关闭打开的窗口</source>
        <translation>請先關閉開啟的視窗</translation>
    </message>
    <message>
        <source>再次显示中奖名单墙</source>
        <translation>再次顯示中獎名單牆</translation>
    </message>
    <message>
        <source>签到台</source>
        <translation>簽到台</translation>
    </message>
</context>
<context>
    <name>CExcelApplication</name>
    <message>
        <source>工作簿已保存到：
%1

没有能打开它的电子表格程序，请自行打开这个文件。</source>
        <translation>活頁簿已儲存到：
%1

沒有能開啟它的試算表程式，請自行開啟這個檔案。</translation>
    </message>
</context>
<context>
    <name>CImportResultDlg</name>
    <message>
        <source>导入信息</source>
        <translation>匯入資訊</translation>
    </message>
    <message>
        <source>笔</source>
        <translation>筆</translation>
    </message>
    <message>
        <source>一共导入：</source>
        <translation>一共匯入：</translation>
    </message>
    <message>
        <source>成功导入：</source>
        <translation>成功匯入：</translation>
    </message>
    <message>
        <source>导入失败：</source>
        <translation>匯入失敗：</translation>
    </message>
    <message>
        <source>注：导入的ＥＸＣＥＬ文件的第一列必须为ID,NAME,MEMO，同时该工作簿的名称必须为sheet1</source>
        <translation>注：匯入的ＥＸＣＥＬ檔案的第一列必須為ID,NAME,MEMO，同時該工作簿的名稱必須為sheet1</translation>
    </message>
    <message>
        <source>失败导入明细表</source>
        <translation>失敗匯入明細表</translation>
    </message>
</context>
<context>
    <name>CPersonDlg</name>
    <message>
        <source>录入抽奖人员信息</source>
        <translation>錄入抽獎人員資訊</translation>
    </message>
    <message>
        <source>注：抽奖程序将从本人员列表中随机抽出幸运人员,每人仅有中奖一次的机会。</source>
        <translation>注：抽獎程式將從本人員列表中隨機抽出幸運人員,每人僅有中獎一次的機會。</translation>
    </message>
    <message>
        <source>从Excel导入</source>
        <translation>從Excel匯入</translation>
    </message>
    <message>
        <source>查看Excel模版</source>
        <translation>檢視Excel範本</translation>
    </message>
    <message>
        <source>导出至Excel</source>
        <translation>匯出至Excel</translation>
    </message>
    <message>
        <source>新增(&amp;I)</source>
        <translation>新增(&amp;I)</translation>
    </message>
    <message>
        <source>保存(&amp;S)</source>
        <translation>儲存(&amp;S)</translation>
    </message>
    <message>
        <source>修改(&amp;M)</source>
        <translation>修改(&amp;M)</translation>
    </message>
    <message>
        <source>删除(&amp;D)</source>
        <translation>刪除(&amp;D)</translation>
    </message>
    <message>
        <source>刷新(R)</source>
        <translation>重新整理(R)</translation>
    </message>
    <message>
        <source>清除全部</source>
        <translation>清除全部</translation>
    </message>
    <message>
        <source>编号：</source>
        <translation>編號：</translation>
    </message>
    <message>
        <source>姓名：</source>
        <translation>姓名：</translation>
    </message>
    <message>
        <source>备注：</source>
        <translation>備註：</translation>
    </message>
    <message>
        <source>记录总数:</source>
        <translation>記錄總數:</translation>
    </message>
    <message>
        <source>查找(&amp;F)：</source>
        <translation>尋找(&amp;F)：</translation>
    </message>
    <message>
        <source>正在导入人员，请等导入结束后再关闭。</source>
        <translation>正在匯入人員，請等匯入結束後再關閉。</translation>
    </message>
    <message>
        <source>正在导入人员，请等本次导入结束。</source>
        <translation>正在匯入人員，請等本次匯入結束。</translation>
    </message>
    <message>
        <source>人员 %1 已不存在（可能已被删除），没有修改任何内容。列表已刷新。</source>
        <translation>人員 %1 已不存在（可能已被刪除），沒有修改任何內容。列表已重新整理。</translation>
    </message>
    <message>
        <source>人员 %1 已不存在（可能已被删除），没有删除任何内容。列表已刷新。</source>
        <translation>人員 %1 已不存在（可能已被刪除），沒有刪除任何內容。列表已重新整理。</translation>
    </message>
    <message>
        <source>正在导入人员，请等本次导入结束后再清空人员列表。</source>
        <translation>正在匯入人員，請等本次匯入結束後再清空人員列表。</translation>
    </message>
    <message>
        <source>没有能打开模版文件的电子表格程序，请自行打开：
%1</source>
        <translation>沒有能開啟範本檔案的試算表程式，請自行開啟：
%1</translation>
    </message>
    <message>
        <source>输入编号、姓名或分组查找</source>
        <translation>輸入編號、姓名或分組查詢</translation>
    </message>
    <message>
        <source>分组：</source>
        <translation>分組：</translation>
    </message>
</context>
<context>
    <name>CPrizeRecordDlg</name>
    <message>
        <source>查看中獎記錄</source>
        <translation>查看中獎記錄</translation>
    </message>
    <message>
        <source>清除(&amp;A)</source>
        <translation>清除(&amp;A)</translation>
    </message>
    <message>
        <source>刷新(&amp;R)</source>
        <translation>刷新(&amp;R)</translation>
    </message>
    <message>
        <source>导出(&amp;E)</source>
        <translation>導出(&amp;E)</translation>
    </message>
    <message>
        <source>中奖人数:</source>
        <translation>中獎人數:</translation>
    </message>
    <message>
        <source>分组</source>
        <translation>分組</translation>
    </message>
    <message>
        <source>作废(&amp;V)…</source>
        <translation>作廢(&amp;V)…</translation>
    </message>
    <message>
        <source>撤销作废(&amp;U)</source>
        <translation>撤銷作廢(&amp;U)</translation>
    </message>
    <message>
        <source>作废者可再次参与抽奖</source>
        <translation>作廢者可再次參與抽獎</translation>
    </message>
    <message>
        <source>作废中奖记录</source>
        <translation>作廢中獎記錄</translation>
    </message>
    <message>
        <source>未到场</source>
        <translation>未到場</translation>
    </message>
    <message>
        <source>状态</source>
        <translation>狀態</translation>
    </message>
    <message>
        <source>请先在列表中选中一条有效的中奖记录。</source>
        <translation>請先在列表中選中一條有效的中獎記錄。</translation>
    </message>
    <message>
        <source>作废 %1 的中奖记录。原因（可不填）：</source>
        <translation>作廢 %1 的中獎記錄。原因（可不填）：</translation>
    </message>
    <message>
        <source>确定作废 %1 的中奖记录吗？该名额可以补抽。</source>
        <translation>確定作廢 %1 的中獎記錄嗎？該名額可以補抽。</translation>
    </message>
    <message>
        <source>请先在列表中选中一条作废记录。</source>
        <translation>請先在列表中選中一條作廢記錄。</translation>
    </message>
    <message>
        <source>没有找到这条中奖记录：它可能已在其他抽奖机上被作废或清除。</source>
        <translation>沒有找到這條中獎記錄：它可能已在其他抽獎機上被作廢或清除。</translation>
    </message>
    <message>
        <source>这条作废记录已不能撤销：它可能已在其他抽奖机上被撤销。</source>
        <translation>這條作廢記錄已不能撤銷：它可能已在其他抽獎機上被撤銷。</translation>
    </message>
    <message>
        <source>该名额已经补抽，不能撤销作废。</source>
        <translation>該名額已經補抽，不能撤銷作廢。</translation>
    </message>
    <message>
        <source>作废后此人已再次中奖，不能撤销作废。</source>
        <translation>作廢後此人已再次中獎，不能撤銷作廢。</translation>
    </message>
    <message>
        <source>无法保存作废的变更。</source>
        <translation>無法儲存作廢的變更。</translation>
    </message>
    <message>
        <source>无法保存“作废者可再次参与抽奖”的设置。</source>
        <translation>無法儲存「作廢者可再次參與抽獎」的設定。</translation>
    </message>
</context>
<context>
    <name>CPrizeSettingsDlg</name>
    <message>
        <source>一等奖</source>
        <translation>一等獎</translation>
    </message>
    <message>
        <source>二等奖</source>
        <translation>二等獎</translation>
    </message>
    <message>
        <source>三等奖</source>
        <translation>三等獎</translation>
    </message>
    <message>
        <source>四等奖</source>
        <translation>四等獎</translation>
    </message>
    <message>
        <source>五等奖</source>
        <translation>五等獎</translation>
    </message>
    <message>
        <source>六等奖</source>
        <translation>六等獎</translation>
    </message>
    <message>
        <source>七等奖</source>
        <translation>七等獎</translation>
    </message>
    <message>
        <source>八等奖</source>
        <translation>八等獎</translation>
    </message>
    <message>
        <source>奖品设置</source>
        <translation>獎品設定</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>取消</translation>
    </message>
    <message>
        <source> 人/轮</source>
        <translation> 人/輪</translation>
    </message>
    <message>
        <source>这个奖项每轮最多抽出的人数。超过 8 人时，按“+”可把名额调到这个数，一次抽出全部中奖者。</source>
        <translation>這個獎項每輪最多抽出的人數。超過 8 人時，按“+”可把名額調到這個數，一次抽出全部中獎者。</translation>
    </message>
    <message>
        <source>参加范围（按分组）</source>
        <translation>參加範圍（按分組）</translation>
    </message>
</context>
<context>
    <name>CSkinDialog</name>
    <message>
        <source>窗口形状图片 %1 过于复杂：它的形状需要 %2 个以上的矩形。窗口改为矩形显示。</source>
        <translation>視窗形狀圖片 %1 過於複雜：它的形狀需要 %2 個以上的矩形。視窗改為矩形顯示。</translation>
    </message>
</context>
<context>
    <name>CVoidRoundDlg</name>
    <message>
        <source>作废本轮中奖者</source>
        <translation>作廢本輪中獎者</translation>
    </message>
    <message>
        <source>勾选未到场的中奖者：</source>
        <translation>勾選未到場的中獎者：</translation>
    </message>
    <message>
        <source>原因（可不填）：</source>
        <translation>原因（可不填）：</translation>
    </message>
    <message>
        <source>未到场</source>
        <translation>未到場</translation>
    </message>
    <message>
        <source>作废所选</source>
        <translation>作廢所選</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>CWinnersWall</name>
    <message>
        <source>中奖名单</source>
        <translation>中獎名單</translation>
    </message>
    <message>
        <source>第 %1 级奖项</source>
        <translation>第 %1 級獎項</translation>
    </message>
    <message>
        <source>%1 中奖名单</source>
        <translation>%1 中獎名單</translation>
    </message>
    <message>
        <source>共 %1 位中奖者</source>
        <translation>共 %1 位中獎者</translation>
    </message>
    <message>
        <source>第 %1 / %2 页</source>
        <translation>第 %1 / %2 頁</translation>
    </message>
    <message>
        <source>翻页：F6、方向键、Page Up / Page Down 或滚轮　返回：Esc</source>
        <translation>翻頁：F6、方向鍵、Page Up / Page Down 或滾輪　返回：Esc</translation>
    </message>
</context>
<context>
    <name>CheckinDesk</name>
    <message>
        <source>编号 %1</source>
        <translation>編號 %1</translation>
    </message>
    <message>
        <source>签到成功</source>
        <translation>簽到成功</translation>
    </message>
    <message>
        <source>已签到 (%1)</source>
        <translation>已簽到 (%1)</translation>
    </message>
    <message>
        <source>查无此编号</source>
        <translation>查無此編號</translation>
    </message>
    <message>
        <source>签到失败，请再扫一次</source>
        <translation>簽到失敗，請再掃一次</translation>
    </message>
    <message>
        <source>已签到 %1 / %2</source>
        <translation>已簽到 %1 / %2</translation>
    </message>
</context>
<context>
    <name>CheckinPage</name>
    <message>
        <source>签到成功！</source>
        <translation>簽到成功！</translation>
    </message>
    <message>
        <source>您已签到，无需重复签到。</source>
        <translation>您已簽到，無需重複簽到。</translation>
    </message>
    <message>
        <source>编号或姓名不正确，请核对后重试。</source>
        <translation>編號或姓名不正確，請核對後重試。</translation>
    </message>
    <message>
        <source>尝试次数过多，请稍后再试。</source>
        <translation>嘗試次數過多，請稍後再試。</translation>
    </message>
    <message>
        <source>暂时无法签到，请稍后再试或到签到台办理。</source>
        <translation>暫時無法簽到，請稍後再試或到簽到台辦理。</translation>
    </message>
    <message>
        <source>zh-CN</source>
        <comment>HTML language tag of the page</comment>
        <translation>zh-TW</translation>
    </message>
    <message>
        <source>活动签到</source>
        <translation>活動簽到</translation>
    </message>
    <message>
        <source>编号</source>
        <translation>編號</translation>
    </message>
    <message>
        <source>姓名</source>
        <translation>姓名</translation>
    </message>
    <message>
        <source>签到</source>
        <translation>簽到</translation>
    </message>
    <message>
        <source>请输入您的编号和姓名后点击“签到”。</source>
        <translation>請輸入您的編號和姓名後點擊「簽到」。</translation>
    </message>
</context>
<context>
    <name>CheckinPageRunner</name>
    <message>
        <source>无法连接活动的数据库。</source>
        <translation>無法連線活動的資料庫。</translation>
    </message>
    <message>
        <source>本机没有连接局域网，手机无法打开签到网页。请先连上会场的网络（Wi-Fi 或网线），再开启签到网页。</source>
        <translation>本機沒有連線區域網，手機無法開啟簽到網頁。請先連上會場的網路（Wi-Fi 或網線），再開啟簽到網頁。</translation>
    </message>
    <message>
        <source>无法保存签到密钥：%1</source>
        <translation>無法儲存簽到金鑰：%1</translation>
    </message>
    <message>
        <source>无法打开活动的数据：%1</source>
        <translation>無法開啟活動的資料：%1</translation>
    </message>
    <message>
        <source>端口 %1 无法使用（%2）。它可能已被其他程序占用：请关闭那个程序，或在活动文件夹的 config.ini 中 [CHECKINPAGE] 一节把 PORT 改为其他端口。</source>
        <translation>埠 %1 無法使用（%2）。它可能已被其他程式佔用：請關閉那個程式，或在活動資料夾的 config.ini 中 [CHECKINPAGE] 一節把 PORT 改為其他埠。</translation>
    </message>
</context>
<context>
    <name>CheckinQrPanel</name>
    <message>
        <source>扫码签到</source>
        <translation>掃碼簽到</translation>
    </message>
</context>
<context>
    <name>CheckinService</name>
    <message>
        <source>无法打开签到数据。</source>
        <translation>無法開啟簽到資料。</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>一共导入：%1</source>
        <translation>一共匯入：%1</translation>
    </message>
    <message>
        <source>成功导入：%1</source>
        <translation>成功匯入：%1</translation>
    </message>
    <message>
        <source>导入失败：%1</source>
        <translation>匯入失敗：%1</translation>
    </message>
    <message>
        <source>导入的工作簿中没有名为 sheet1 的工作表，第一行须为 ID、NAME、MEMO。</source>
        <translation>匯入的活頁簿中沒有名為 sheet1 的工作表，第一行須為 ID、NAME、MEMO。</translation>
    </message>
    <message>
        <source>模版文件不存在。</source>
        <translation>範本檔案不存在。</translation>
    </message>
    <message>
        <source>格式请参考模版文件：%1</source>
        <translation>格式請參考範本檔案：%1</translation>
    </message>
    <message>
        <source>工作簿以 .xlsx 格式保存，不能用 .xls 作扩展名：%1
请改用 .xlsx 扩展名。</source>
        <translation>活頁簿以 .xlsx 格式儲存，不能用 .xls 作副檔名：%1
請改用 .xlsx 副檔名。</translation>
    </message>
    <message>
        <source>无法读取抽奖日志或中奖记录：%1</source>
        <translation>無法讀取抽獎日誌或中獎記錄：%1</translation>
    </message>
    <message>
        <source>抽奖日志第 %1 条被改动过，或它之前的条目被删除过（%2）。</source>
        <translation>抽獎日誌第 %1 條被改動過，或它之前的條目被刪除過（%2）。</translation>
    </message>
    <message>
        <source>抽奖日志末尾的条目被删除或添加过（%1）。</source>
        <translation>抽獎日誌末尾的條目被刪除或新增過（%1）。</translation>
    </message>
    <message>
        <source>抽奖日志第 %1 条无法识别（%2）。</source>
        <translation>抽獎日誌第 %1 條無法識別（%2）。</translation>
    </message>
    <message>
        <source>抽奖日志第 %1 条再次记下了 %2 中奖，其间没有清除中奖记录。</source>
        <translation>抽獎日誌第 %1 條再次記下了 %2 中獎，其間沒有清除中獎記錄。</translation>
    </message>
    <message>
        <source>抽奖日志第 %1 条记下的 %2 中奖不在中奖记录中。</source>
        <translation>抽獎日誌第 %1 條記下的 %2 中獎不在中獎記錄中。</translation>
    </message>
    <message>
        <source>中奖记录中 %1 的中奖与抽奖日志第 %2 条不同（%3）。</source>
        <translation>中獎記錄中 %1 的中獎與抽獎日誌第 %2 條不同（%3）。</translation>
    </message>
    <message>
        <source>中奖记录中 %1 的中奖没有记在抽奖日志中。</source>
        <translation>中獎記錄中 %1 的中獎沒有記在抽獎日誌中。</translation>
    </message>
    <message>
        <source>中奖记录与抽奖日志共有 %1 处不一致。</source>
        <translation>中獎記錄與抽獎日誌共有 %1 處不一致。</translation>
    </message>
    <message>
        <source>抽奖日志完整，与中奖记录一致。</source>
        <translation>抽獎日誌完整，與中獎記錄一致。</translation>
    </message>
    <message>
        <source>日志条目：%1（中奖 %2，清除 %3，导入 %4）</source>
        <translation>日誌條目：%1（中獎 %2，清除 %3，匯入 %4）</translation>
    </message>
    <message>
        <source>中奖人数：%1</source>
        <translation>中獎人數：%1</translation>
    </message>
    <message>
        <source>最后一条的摘要：%1</source>
        <translation>最後一條的摘要：%1</translation>
    </message>
    <message>
        <source>无法保存抽奖日志 %1：%2</source>
        <translation>無法儲存抽獎日誌 %1：%2</translation>
    </message>
    <message>
        <source>签到二维码：%1</source>
        <translation>簽到 QR 碼：%1</translation>
    </message>
    <message>
        <source>抽奖日志第 %1 条对 %2 的作废、撤销或替补不成立（%3）。</source>
        <translation>抽獎日誌第 %1 條對 %2 的作廢、撤銷或替補不成立（%3）。</translation>
    </message>
    <message>
        <source>抽奖日志第 %1 条记下的 %2 的作废不在作废记录中。</source>
        <translation>抽獎日誌第 %1 條記下的 %2 的作廢不在作廢記錄中。</translation>
    </message>
    <message>
        <source>作废记录中 %1 的作废与抽奖日志第 %2 条不同（%3）。</source>
        <translation>作廢記錄中 %1 的作廢與抽獎日誌第 %2 條不同（%3）。</translation>
    </message>
    <message>
        <source>作废记录中 %1 的作废没有记在抽奖日志中。</source>
        <translation>作廢記錄中 %1 的作廢沒有記在抽獎日誌中。</translation>
    </message>
    <message>
        <source>作废：%1（撤销 %2，替补 %3），作废记录 %4 条</source>
        <translation>作廢：%1（撤銷 %2，替補 %3），作廢記錄 %4 條</translation>
    </message>
</context>
<context>
    <name>DatabaseTarget</name>
    <message>
        <source>无法读取设置文件 %1。</source>
        <translation>無法讀取設定檔案 %1。</translation>
    </message>
    <message>
        <source>文件中有 [DATABASE] 一节，本机可能使用共享的数据库服务器。为免中奖记录与其他抽奖机分开保存，程序不会改用本机的数据库：请修正该文件后再启动。</source>
        <translation>檔案中有 [DATABASE] 一節，本機可能使用共享的資料庫伺服器。為免中獎記錄與其他抽獎機分開儲存，程式不會改用本機的資料庫：請修正該檔案後再啟動。</translation>
    </message>
    <message>
        <source>无法确定本机是否应使用共享的数据库服务器。</source>
        <translation>無法確定本機是否應使用共享的資料庫伺服器。</translation>
    </message>
</context>
<context>
    <name>DemoMark</name>
    <message>
        <source>演示活动</source>
        <translation>演示活動</translation>
    </message>
    <message>
        <source>演示活动 · 关闭后数据全部删除</source>
        <translation>演示活動 · 關閉後資料全部刪除</translation>
    </message>
</context>
<context>
    <name>DrawLogExport</name>
    <message>
        <source>序号</source>
        <translation>序號</translation>
    </message>
    <message>
        <source>类型</source>
        <translation>類型</translation>
    </message>
    <message>
        <source>时间（UTC）</source>
        <translation>時間（UTC）</translation>
    </message>
    <message>
        <source>工作站</source>
        <translation>工作站</translation>
    </message>
    <message>
        <source>内容</source>
        <translation>內容</translation>
    </message>
    <message>
        <source>前一条的摘要</source>
        <translation>前一條的摘要</translation>
    </message>
    <message>
        <source>摘要</source>
        <translation>摘要</translation>
    </message>
</context>
<context>
    <name>DrawTexts</name>
    <message>
        <source>编号 %1 刚刚已在另一台抽奖机上中奖，这次抽中没有记录，不算中奖。已显示的中奖者都已保存。请按“开始”重新抽取。</source>
        <translation>編號 %1 剛剛已在另一臺抽獎機上中獎，這次抽中沒有記錄，不算中獎。已顯示的中獎者都已儲存。請按「開始」重新抽取。</translation>
    </message>
    <message>
        <source>编号 %1 的中奖没有记录：数据库文件在程序运行时被删除或替换，而且无法在旁边写入副本。请不要关闭程序，先把程序文件夹中的文件复制到别处。</source>
        <translation>編號 %1 的中獎沒有記錄：資料庫檔案在程式執行時被刪除或替換，而且無法在旁邊寫入副本。請不要關閉程式，先把程式資料夾中的檔案複製到別處。</translation>
    </message>
    <message>
        <source>编号 %1 的中奖没有记录：数据库无法保存（连接中断、磁盘已满或数据库拒绝写入）。已显示的中奖者都已保存。请检查数据库连接和磁盘空间，然后按“开始”重新抽取。</source>
        <translation>編號 %1 的中獎沒有記錄：資料庫無法儲存（連線中斷、磁碟已滿或資料庫拒絕寫入）。已顯示的中獎者都已儲存。請檢查資料庫連線和磁碟空間，然後按「開始」重新抽取。</translation>
    </message>
    <message>
        <source>编号 %1 的中奖没有记录：数据库文件在程序运行时被删除或替换。已保存的中奖者都已复制到 %2。请关闭程序后重新启动：程序会自动用这份副本替换 %3，原来的文件改名保留。</source>
        <translation>編號 %1 的中獎沒有記錄：資料庫檔案在程式執行時被刪除或替換。已儲存的中獎者都已複製到 %2。請關閉程式後重新啟動：程式會自動用這份副本替換 %3，原來的檔案改名保留。</translation>
    </message>
    <message>
        <source>参加抽奖的人员名单是空的。
请点击左上角的菜单按钮（或在窗口上单击右键），选择“录入用户信息”，添加或导入参加抽奖的人员。</source>
        <translation>參加抽獎的人員名單是空的。
請點選左上角的選單按鈕（或在視窗上單擊右鍵），選擇“錄入使用者資訊”，新增或匯入參加抽獎的人員。</translation>
    </message>
    <message>
        <source>奖品：%1</source>
        <translation>獎品：%1</translation>
    </message>
    <message>
        <source>这一轮的 %1 位中奖者都没有记录，不算中奖。</source>
        <translation>這一輪的 %1 位中獎者都沒有記錄，不算中獎。</translation>
    </message>
    <message>
        <source>%1 位中奖者</source>
        <translation>%1 位中獎者</translation>
    </message>
    <message>
        <source>最大值为%1</source>
        <translation>最大值為%1</translation>
    </message>
    <message>
        <source>第 %1 级奖项</source>
        <translation>第 %1 級獎項</translation>
    </message>
    <message>
        <source>第 %1 级奖项“%2”</source>
        <translation>第 %1 級獎項“%2”</translation>
    </message>
    <message>
        <source>%1没有可抽的人员了：按奖品设置中此奖项的参加范围，符合条件的人员都已中奖。
请在“奖品设置”中调整参加范围，或改抽其他奖项。</source>
        <translation>%1沒有可抽的人員了：按獎品設定中此獎項的參加範圍，符合條件的人員都已中獎。
請在“獎品設定”中調整參加範圍，或改抽其他獎項。</translation>
    </message>
    <message>
        <source>只有已签到的人员参加抽奖，但已签到且未中奖的人员一个也没有。
请先签到，或在“录入用户信息”中取消“只有已签到的人员参加抽奖”。</source>
        <translation>只有已簽到的人員參加抽獎，但已簽到且未中獎的人員一個也沒有。
請先簽到，或在“錄入使用者資訊”中取消“只有已簽到的人員參加抽獎”。</translation>
    </message>
    <message>
        <source>编号 %1 的中奖没有记录：要补的空缺名额刚刚已在另一台抽奖机上补抽（或作废已被撤销）。已显示的中奖者都已保存。本轮补抽到此结束。</source>
        <translation>編號 %1 的中獎沒有記錄：要補的空缺名額剛剛已在另一臺抽獎機上補抽（或作廢已被撤銷）。已顯示的中獎者都已儲存。本輪補抽到此結束。</translation>
    </message>
    <message>
        <source>补抽</source>
        <translation>補抽</translation>
    </message>
    <message>
        <source>开始补抽...</source>
        <translation>開始補抽...</translation>
    </message>
    <message>
        <source>正在补抽第%1名...</source>
        <translation>正在補抽第%1名...</translation>
    </message>
    <message>
        <source>%1没有作废后空出的名额，不需要补抽。</source>
        <translation>%1沒有作廢後空出的名額，不需要補抽。</translation>
    </message>
</context>
<context>
    <name>DrawWindowCheckin</name>
    <message>
        <source>在局域网提供签到网页</source>
        <translation>在區域網提供簽到網頁</translation>
    </message>
    <message>
        <source>显示签到二维码</source>
        <translation>顯示簽到二維碼</translation>
    </message>
    <message>
        <source>签到网页未能开启。</source>
        <translation>簽到網頁未能開啟。</translation>
    </message>
    <message>
        <source>无法保存签到网页的设置：%1</source>
        <translation>無法儲存簽到網頁的設定：%1</translation>
    </message>
    <message>
        <source>请先在菜单中开启签到网页</source>
        <translation>請先在選單中開啟簽到網頁</translation>
    </message>
    <message>
        <source>已签到 %1 / %2</source>
        <translation>已簽到 %1 / %2</translation>
    </message>
</context>
<context>
    <name>DrawWindowVoids</name>
    <message>
        <source>作废本轮中奖者…</source>
        <translation>作廢本輪中獎者…</translation>
    </message>
    <message>
        <source>补抽空缺名额（%1）</source>
        <translation>補抽空缺名額（%1）</translation>
    </message>
    <message>
        <source>确定作废所选的 %1 位中奖者吗？他们的名额可以补抽。</source>
        <translation>確定作廢所選的 %1 位中獎者嗎？他們的名額可以補抽。</translation>
    </message>
    <message>
        <source>%1 位中奖者未能作废：%2</source>
        <translation>%1 位中獎者未能作廢：%2</translation>
    </message>
    <message>
        <source>、</source>
        <translation>、</translation>
    </message>
    <message>
        <source>已作废 %1 位中奖者</source>
        <translation>已作廢 %1 位中獎者</translation>
    </message>
</context>
<context>
    <name>EligibilityEditor</name>
    <message>
        <source>所有人员</source>
        <translation>所有人員</translation>
    </message>
    <message>
        <source>仅限勾选的分组</source>
        <translation>僅限勾選的分組</translation>
    </message>
    <message>
        <source>勾选的分组以外的人员</source>
        <translation>勾選的分組以外的人員</translation>
    </message>
    <message>
        <source>奖项：</source>
        <translation>獎項：</translation>
    </message>
    <message>
        <source>可参加：</source>
        <translation>可參加：</translation>
    </message>
    <message>
        <source>%1（%2 人）</source>
        <translation>%1（%2 人）</translation>
    </message>
    <message>
        <source>仅限：%1</source>
        <translation>僅限：%1</translation>
    </message>
    <message>
        <source>除外：%1</source>
        <translation>除外：%1</translation>
    </message>
    <message>
        <source>%1：%2，现可抽 %3 人</source>
        <translation>%1：%2，現可抽 %3 人</translation>
    </message>
</context>
<context>
    <name>EventFolder</name>
    <message>
        <source>无法新建演示活动：%1</source>
        <translation>無法新建演示活動：%1</translation>
    </message>
</context>
<context>
    <name>EventSettings</name>
    <message>
        <source>Vantor软件开发实验室</source>
        <translation>Vantor軟體開發實驗室</translation>
    </message>
    <message>
        <source>喜迎新春抽奖活动</source>
        <translation>喜迎新春抽獎活動</translation>
    </message>
</context>
<context>
    <name>ImportPerson</name>
    <message>
        <source>内容无法按原样保存</source>
        <translation>內容無法按原樣儲存</translation>
    </message>
</context>
<context>
    <name>IniFile</name>
    <message>
        <source>设置文件 %1 有 %2 字节，超过上限 %3 字节，没有读取。</source>
        <translation>設定檔案 %1 有 %2 位元組，超過上限 %3 位元組，沒有讀取。</translation>
    </message>
    <message>
        <source>设置文件 %1：%2</source>
        <translation>設定檔案 %1：%2</translation>
    </message>
    <message>
        <source>%1 行超过 %2 个字符，已略过</source>
        <translation>%1 行超過 %2 個字元，已略過</translation>
    </message>
    <message>
        <source>有无法识别的字符（显示为 �）</source>
        <translation>有無法識別的字元（顯示為 �）</translation>
    </message>
    <message>
        <source>；</source>
        <translation>；</translation>
    </message>
    <message>
        <source>无法读取设置文件 %1：%2</source>
        <translation>無法讀取設定檔案 %1：%2</translation>
    </message>
    <message>
        <source>含有空字符（NUL），不是文本文件</source>
        <translation>含有空字元（NUL），不是文字檔案</translation>
    </message>
</context>
<context>
    <name>ParticipantImport</name>
    <message>
        <source>数据库未能保存</source>
        <translation>資料庫未能儲存</translation>
    </message>
    <message>
        <source>导入未完成：数据库未能保存最后读入的 %1 笔人员，这些人员已列入失败明细。</source>
        <translation>匯入未完成：資料庫未能儲存最後讀入的 %1 筆人員，這些人員已列入失敗明細。</translation>
    </message>
    <message>
        <source>导入已中止：数据库未能保存最后读入的 %1 笔人员，这些人员已列入失败明细，其后的行没有读取。</source>
        <translation>匯入已中止：資料庫未能儲存最後讀入的 %1 筆人員，這些人員已列入失敗明細，其後的行沒有讀取。</translation>
    </message>
    <message>
        <source>本次实际保存了 %1 笔。</source>
        <translation>本次實際儲存了 %1 筆。</translation>
    </message>
    <message>
        <source>导入已停止：读到第 %1 行时，文件中的文字已超过 %2 个字符，远超人员名单所需；之前读入的行已保存。</source>
        <translation>匯入已停止：讀到第 %1 行時，檔案中的文字已超過 %2 個字元，遠超人員名單所需；之前讀入的行已儲存。</translation>
    </message>
    <message>
        <source>导入的人员已保存，但抽奖日志未能记下这次导入。</source>
        <translation>匯入的人員已儲存，但抽獎日誌未能記下這次匯入。</translation>
    </message>
</context>
<context>
    <name>PersonCheckinBar</name>
    <message>
        <source>全部人员</source>
        <translation>全部人員</translation>
    </message>
    <message>
        <source>已签到</source>
        <translation>已簽到</translation>
    </message>
    <message>
        <source>未签到</source>
        <translation>未簽到</translation>
    </message>
    <message>
        <source>签到 / 取消签到</source>
        <translation>簽到 / 取消簽到</translation>
    </message>
    <message>
        <source>只有已签到的人员参加抽奖</source>
        <translation>只有已簽到的人員參加抽獎</translation>
    </message>
    <message>
        <source>签到：</source>
        <translation>簽到：</translation>
    </message>
    <message>
        <source>请先在列表中选择一位人员。</source>
        <translation>請先在列表中選擇一位人員。</translation>
    </message>
    <message>
        <source>已签到 %1 / %2</source>
        <translation>已簽到 %1 / %2</translation>
    </message>
</context>
<context>
    <name>PersonTableModel</name>
    <message>
        <source>分组</source>
        <translation>分組</translation>
    </message>
    <message>
        <source>签到时间</source>
        <translation>簽到時間</translation>
    </message>
</context>
<context>
    <name>PersonText</name>
    <message>
        <source>含有无法识别的字符（文件编码有误）</source>
        <translation>含有無法識別的字元（檔案編碼有誤）</translation>
    </message>
    <message>
        <source>含有控制字符（如换行、空字符）</source>
        <translation>含有控制字元（如換行、空字元）</translation>
    </message>
    <message>
        <source>含有残缺的字符（不成对的代理项）</source>
        <translation>含有殘缺的字元（不成對的代理項）</translation>
    </message>
    <message>
        <source>编号只有看不见的字符</source>
        <translation>編號只有看不見的字元</translation>
    </message>
    <message>
        <source>超过 %1 个字符</source>
        <translation>超過 %1 個字元</translation>
    </message>
</context>
<context>
    <name>ResourceModule</name>
    <message>
        <source>zh_CN</source>
        <comment>The code of this module's language (zh_TW, en, ...), not a text anyone reads: skins pick their pictures by it.</comment>
        <translation>zh_TW</translation>
    </message>
</context>
<context>
    <name>SkinDescription</name>
    <message>
        <source>皮肤描述的 [%1] 段元素超过 %2 个：第 %3 项及其后各项未使用。</source>
        <translation>皮膚描述的 [%1] 段元素超過 %2 個：第 %3 項及其後各項未使用。</translation>
    </message>
    <message>
        <source>皮肤描述文件 %1 未读取：它有 %2 字节，超过皮肤描述文件的上限 %3 字节。窗口将不带皮肤显示。</source>
        <translation>皮膚描述檔案 %1 未讀取：它有 %2 位元組，超過皮膚描述檔案的上限 %3 位元組。視窗將不帶皮膚顯示。</translation>
    </message>
    <message>
        <source>无法读取皮肤描述文件 %1。窗口将不带皮肤显示。</source>
        <translation>無法讀取皮膚描述檔案 %1。視窗將不帶皮膚顯示。</translation>
    </message>
</context>
<context>
    <name>SqliteFileGuard</name>
    <message>
        <source>已被删除</source>
        <translation>已被刪除</translation>
    </message>
    <message>
        <source>已被另一个文件替换</source>
        <translation>已被另一個檔案替換</translation>
    </message>
    <message>
        <source>的日志文件 %1 已被删除或替换</source>
        <translation>的日誌檔案 %1 已被刪除或替換</translation>
    </message>
    <message>
        <source>已被另一个文件覆盖</source>
        <translation>已被另一個檔案覆蓋</translation>
    </message>
    <message>
        <source>文件名 %1 已被占用</source>
        <translation>檔名 %1 已被佔用</translation>
    </message>
    <message>
        <source>数据库文件 %1 在程序运行时%2</source>
        <translation>資料庫檔案 %1 在程式執行時%2</translation>
    </message>
    <message>
        <source>%1。此后的中奖者不再保存；此前保存的全部中奖者在 %2 中。请关闭程序后重新启动。</source>
        <translation>%1。此後的中獎者不再儲存；此前儲存的全部中獎者在 %2 中。請關閉程式後重新啟動。</translation>
    </message>
    <message>
        <source>%1。此后的中奖者不再保存。

到目前为止保存的全部中奖者已安全写入恢复副本：
%2

%3</source>
        <translation>%1。此後的中獎者不再儲存。

到目前為止儲存的全部中獎者已安全寫入恢復副本：
%2

%3</translation>
    </message>
    <message>
        <source>请关闭程序后重新启动：程序会自动用这份副本替换 %1，原来的文件改名保留。</source>
        <translation>請關閉程式後重新啟動：程式會自動用這份副本替換 %1，原來的檔案改名保留。</translation>
    </message>
    <message>
        <source>请关闭程序，删除 %1-wal 和 %1-shm（如果存在），把副本改名为 %1 后重新启动。</source>
        <translation>請關閉程式，刪除 %1-wal 和 %1-shm（如果存在），把副本改名為 %1 後重新啟動。</translation>
    </message>
    <message>
        <source>%1。此后的中奖者不再保存，恢复副本也无法写入（%2）。请不要关闭程序，先把活动文件夹中的文件复制到别处。</source>
        <translation>%1。此後的中獎者不再儲存，恢復副本也無法寫入（%2）。請不要關閉程式，先把活動資料夾中的檔案複製到別處。</translation>
    </message>
    <message>
        <source>恢复说明 %1 所指的副本不存在，已忽略；继续使用 %2。</source>
        <translation>恢復說明 %1 所指的副本不存在，已忽略；繼續使用 %2。</translation>
    </message>
    <message>
        <source>无法把 %1 改名，恢复副本 %2 未能放回原处。请手动处理后重新启动。</source>
        <translation>無法把 %1 改名，恢復副本 %2 未能放回原處。請手動處理後重新啟動。</translation>
    </message>
    <message>
        <source>无法把恢复副本 %1 改名为 %2。请手动处理后重新启动。</source>
        <translation>無法把恢復副本 %1 改名為 %2。請手動處理後重新啟動。</translation>
    </message>
    <message>
        <source>上次运行时数据库文件被删除或替换。恢复副本 %1 已放回原处，作为 %2 继续使用。</source>
        <translation>上次執行時資料庫檔案被刪除或替換。恢復副本 %1 已放回原處，作為 %2 繼續使用。</translation>
    </message>
    <message>
        <source>
原来的文件已改名保留：%1</source>
        <translation>
原來的檔案已改名保留：%1</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>关于 Sortilo(&amp;A)...</source>
        <translation>關於 Sortilo(&amp;A)...</translation>
    </message>
    <message>
        <source>编號</source>
        <translation>編號</translation>
    </message>
    <message>
        <source>姓名</source>
        <translation>姓名</translation>
    </message>
    <message>
        <source>中獎時間</source>
        <translation>中獎時間</translation>
    </message>
    <message>
        <source>|Vantor软件开发	|廠慶抽獎活動
</source>
        <translation>|Vantor軟體開發	|廠慶抽獎活動
</translation>
    </message>
    <message>
        <source>本次抽奖未完成</source>
        <translation>本次抽獎未完成</translation>
    </message>
    <message>
        <source>抽奖完毕,如果想继续抽奖请先清除所有的获奖者名单</source>
        <translation>抽獎完畢,如果想繼續抽獎請先清除所有的獲獎者名單</translation>
    </message>
    <message>
        <source>抽獎程序</source>
        <translation>抽獎程式</translation>
    </message>
    <message>
        <source>幸运号码...</source>
        <translation>幸運號碼...</translation>
    </message>
    <message>
        <source>中奖名单</source>
        <translation>中獎名單</translation>
    </message>
    <message>
        <source>正在抽第</source>
        <translation>正在抽第</translation>
    </message>
    <message>
        <source>位...</source>
        <translation>位...</translation>
    </message>
    <message>
        <source>抽奖名额不能大于参加抽奖的人数!</source>
        <translation>抽獎名額不能大於參加抽獎的人數!</translation>
    </message>
    <message>
        <source>本轮抽奖完毕!</source>
        <translation>本輪抽獎完畢!</translation>
    </message>
    <message>
        <source>正在抽奖中,不能设置(按键无效)...</source>
        <translation>正在抽獎中,不能設定(按鍵無效)...</translation>
    </message>
    <message>
        <source>正在抽奖中,不能退出!</source>
        <translation>正在抽獎中,不能退出!</translation>
    </message>
    <message>
        <source>开始抽奖...</source>
        <translation>開始抽獎...</translation>
    </message>
    <message>
        <source>最大值为8</source>
        <translation>最大值為8</translation>
    </message>
    <message>
        <source>最小值为1</source>
        <translation>最小值為1</translation>
    </message>
    <message>
        <source>备注</source>
        <translation>備註</translation>
    </message>
    <message>
        <source>获奖等级</source>
        <translation>獲獎等級</translation>
    </message>
    <message>
        <source>中奖序号</source>
        <translation>中獎序號</translation>
    </message>
    <message>
        <source>用户编号不能大于８。</source>
        <translation>使用者編號不能大於８。</translation>
    </message>
    <message>
        <source>该用户已经存在</source>
        <translation>該使用者已經存在</translation>
    </message>
    <message>
        <source>取消(&amp;C)</source>
        <translation>取消(&amp;C)</translation>
    </message>
    <message>
        <source>新增(&amp;N)</source>
        <translation>新增(&amp;N)</translation>
    </message>
    <message>
        <source>确实要删除用户:</source>
        <translation>確實要刪除使用者:</translation>
    </message>
    <message>
        <source>请先选择要删除的人员.</source>
        <translation>請先選擇要刪除的人員.</translation>
    </message>
    <message>
        <source>您确定要清空人员列表吗？Y/n</source>
        <translation>您確定要清空人員列表嗎？Y/n</translation>
    </message>
    <message>
        <source>您确定要清空中奖人员列表吗？Y/n</source>
        <translation>您確定要清空中獎人員列表嗎？Y/n</translation>
    </message>
    <message>
        <source>你确定要强制退出吗？y/n</source>
        <translation>你確定要強制退出嗎？y/n</translation>
    </message>
    <message>
        <source>编号不能为空！</source>
        <translation>編號不能為空！</translation>
    </message>
    <message>
        <source>姓名不能为空！</source>
        <translation>姓名不能為空！</translation>
    </message>
    <message>
        <source>格式不正确，导入的ＥＸＣＥＬ文件的第一列必须为ID,NAME,MEMO，同时该工作簿的名称必须为sheet1</source>
        <translation>格式不正確，匯入的ＥＸＣＥＬ檔案的第一列必須為ID,NAME,MEMO，同時該工作簿的名稱必須為sheet1</translation>
    </message>
    <message>
        <source>导入的ＥＸＣＥＬ文件的工作簿名称必须为Sheet1,如果不清楚具体的格式请参考模版文件，现在就要打开模版文件吗？</source>
        <translation>匯入的ＥＸＣＥＬ檔案的工作簿名稱必須為Sheet1,如果不清楚具體的格式請參考範本檔案，現在就要開啟範本檔案嗎？</translation>
    </message>
    <message>
        <source>模版文件不存在，请重新安装本软件！</source>
        <translation>範本檔案不存在，請重新安裝本軟體！</translation>
    </message>
    <message>
        <source>编号长度大于８</source>
        <translation>編號長度大於８</translation>
    </message>
    <message>
        <source>编号为空</source>
        <translation>編號為空</translation>
    </message>
    <message>
        <source>姓名为空</source>
        <translation>姓名為空</translation>
    </message>
    <message>
        <source>未知原因!</source>
        <translation>未知原因!</translation>
    </message>
    <message>
        <source>导入用户信息</source>
        <translation>匯入使用者資訊</translation>
    </message>
    <message>
        <source>错误原因</source>
        <translation>錯誤原因</translation>
    </message>
    <message>
        <source>完成导入！</source>
        <translation>完成匯入！</translation>
    </message>
    <message>
        <source>奖品</source>
        <translation>獎品</translation>
    </message>
    <message>
        <source>中奖者：</source>
        <translation>中獎者：</translation>
    </message>
</context>
<context>
    <name>WinnerRecordList</name>
    <message>
        <source>作废 %1</source>
        <translation>作廢 %1</translation>
    </message>
    <message>
        <source>，由 %1 替补</source>
        <translation>，由 %1 替補</translation>
    </message>
    <message>
        <source>替补 %1</source>
        <translation>替補 %1</translation>
    </message>
</context>
<context>
    <name>Workbook</name>
    <message>
        <source>工作表“%1”超过 %2 行，不予读取</source>
        <translation>工作表「%1」超過 %2 行，不予讀取</translation>
    </message>
    <message>
        <source>第 %1 行超过 %2 列，不予读取</source>
        <translation>第 %1 行超過 %2 列，不予讀取</translation>
    </message>
    <message>
        <source>工作簿的单元格超过 %1 个，不予读取</source>
        <translation>活頁簿的儲存格超過 %1 個，不予讀取</translation>
    </message>
    <message>
        <source>单元格 %1 的内容超过 %2 个字符，不予读取</source>
        <translation>儲存格 %1 的內容超過 %2 個字元，不予讀取</translation>
    </message>
    <message>
        <source>无法打开文件 %1：%2</source>
        <translation>無法開啟檔案 %1：%2</translation>
    </message>
    <message>
        <source>文件 %1 超过 %2 MB，不予读取</source>
        <translation>檔案 %1 超過 %2 MB，不予讀取</translation>
    </message>
    <message>
        <source>无法读取文件 %1：%2</source>
        <translation>無法讀取檔案 %1：%2</translation>
    </message>
    <message>
        <source>文件不存在：%1</source>
        <translation>檔案不存在：%1</translation>
    </message>
    <message>
        <source>工作表名称“%1”无效：名称须为 1 至 31 个字符，不含 [ ] : * ? / \</source>
        <translation>工作表名稱「%1」無效：名稱須為 1 至 31 個字元，不含 [ ] : * ? / \</translation>
    </message>
    <message>
        <source>已有名为“%1”的工作表</source>
        <translation>已有名為「%1」的工作表</translation>
    </message>
    <message>
        <source>工作簿的工作表超过 %1 个</source>
        <translation>活頁簿的工作表超過 %1 個</translation>
    </message>
    <message>
        <source>单元格位置超出范围：第 %1 行第 %2 列</source>
        <translation>儲存格位置超出範圍：第 %1 行第 %2 列</translation>
    </message>
    <message>
        <source>单元格 %1 的内容超过 %2 个字符</source>
        <translation>儲存格 %1 的內容超過 %2 個字元</translation>
    </message>
    <message>
        <source>工作表的单元格超过 %1 个</source>
        <translation>工作表的儲存格超過 %1 個</translation>
    </message>
    <message>
        <source>文件不是工作簿</source>
        <translation>檔案不是活頁簿</translation>
    </message>
    <message>
        <source>工作簿文件已损坏（.xls，错误 %1）</source>
        <translation>活頁簿檔案已損壞（.xls，錯誤 %1）</translation>
    </message>
    <message>
        <source>工作簿有密码保护，无法读取</source>
        <translation>活頁簿有密碼保護，無法讀取</translation>
    </message>
    <message>
        <source>工作簿中没有工作表</source>
        <translation>活頁簿中沒有工作表</translation>
    </message>
    <message>
        <source>工作簿文件已损坏（%1）</source>
        <translation>活頁簿檔案已損壞（%1）</translation>
    </message>
    <message>
        <source>工作簿中的 %1 超过 %2 个标记，不予读取</source>
        <translation>活頁簿中的 %1 超過 %2 個標記，不予讀取</translation>
    </message>
    <message>
        <source>工作簿的字符串超过 %1 个</source>
        <translation>活頁簿的字串超過 %1 個</translation>
    </message>
    <message>
        <source>无法写入 %1：%2</source>
        <translation>無法寫入 %1：%2</translation>
    </message>
    <message>
        <source>工作簿文件已损坏</source>
        <translation>活頁簿檔案已損壞</translation>
    </message>
    <message>
        <source>工作簿文件不完整，缺少 %1</source>
        <translation>活頁簿檔案不完整，缺少 %1</translation>
    </message>
    <message>
        <source>工作簿中的 %1 解压后超过 %2 MB，不予读取</source>
        <translation>活頁簿中的 %1 解壓後超過 %2 MB，不予讀取</translation>
    </message>
    <message>
        <source>工作簿解压后超过 %1 MB，不予读取</source>
        <translation>活頁簿解壓後超過 %1 MB，不予讀取</translation>
    </message>
    <message>
        <source>单元格位置无效：%1</source>
        <translation>儲存格位置無效：%1</translation>
    </message>
    <message>
        <source>缺少单元格的值</source>
        <translation>缺少儲存格的值</translation>
    </message>
    <message>
        <source>找不到文件：%1</source>
        <translation>找不到檔案：%1</translation>
    </message>
    <message>
        <source>不支持的保存选项</source>
        <translation>不支援的儲存選項</translation>
    </message>
    <message>
        <source>工作簿中没有工作表“%1”</source>
        <translation>活頁簿中沒有工作表「%1」</translation>
    </message>
    <message>
        <source>电子表格对象未连接</source>
        <translation>試算表物件未連線</translation>
    </message>
    <message>
        <source>内存不足</source>
        <translation>記憶體不足</translation>
    </message>
    <message>
        <source>无法读取 .xls 文件 %1：%2</source>
        <translation>無法讀取 .xls 檔案 %1：%2</translation>
    </message>
    <message>
        <source>找不到读取 .xls 文件的程序 %1，请重新安装本程序</source>
        <translation>找不到讀取 .xls 檔案的程式 %1，請重新安裝本程式</translation>
    </message>
    <message>
        <source>读取程序 %1 无法启动：%2</source>
        <translation>讀取程式 %1 無法啟動：%2</translation>
    </message>
    <message>
        <source>读取超过 %1 秒仍未完成，已停止</source>
        <translation>讀取超過 %1 秒仍未完成，已停止</translation>
    </message>
    <message>
        <source>读取程序中途异常退出（文件可能已损坏，或读取所需内存或时间超出限制）</source>
        <translation>讀取程式中途異常退出（檔案可能已損壞，或讀取所需記憶體或時間超出限制）</translation>
    </message>
    <message>
        <source>读取 .xls 文件的程序给出的结果有误，文件未读取</source>
        <translation>讀取 .xls 檔案的程式給出的結果有誤，檔案未讀取</translation>
    </message>
    <message>
        <source>文件 %1 是本活动正在使用的数据库，不是工作簿</source>
        <translation>檔案 %1 是本活動正在使用的資料庫，不是工作簿</translation>
    </message>
    <message>
        <source>不能保存为 %1：这是本活动正在使用的数据库文件</source>
        <translation>不能儲存為 %1：這是本活動正在使用的資料庫檔案</translation>
    </message>
    <message>
        <source>单元格 %1 的引号没有闭合，其后的各行都会并入这一格，不予读取</source>
        <translation>儲存格 %1 的引號沒有閉合，其後的各行都會併入這一格，不予讀取</translation>
    </message>
    <message>
        <source>工作簿 %1 有密码保护，无法读取；请在电子表格程序中取消密码后另存，再导入</source>
        <translation>活頁簿 %1 有密碼保護，無法讀取；請在試算表程式中取消密碼後另存，再匯入</translation>
    </message>
    <message>
        <source>工作簿太大，读取所需内存超出限制</source>
        <translation>活頁簿太大，讀取所需記憶體超出限制</translation>
    </message>
    <message>
        <source>工作簿中的 %1 有标记超过 %2 个属性，不予读取</source>
        <translation>活頁簿中的 %1 有標記超過 %2 個屬性，不予讀取</translation>
    </message>
    <message>
        <source>工作簿文件已损坏（%1 含有无效的字符引用 %2）</source>
        <translation>活頁簿檔案已損壞（%1 含有無效的字元引用 %2）</translation>
    </message>
    <message>
        <source>工作簿中的 %1 超过 %2 个属性，不予读取</source>
        <translation>活頁簿中的 %1 超過 %2 個屬性，不予讀取</translation>
    </message>
    <message>
        <source>工作簿文件有两个同名的部件 %1，无法确定该读哪一个，不予读取</source>
        <translation>活頁簿檔案有兩個同名的元件 %1，無法確定該讀哪一個，不予讀取</translation>
    </message>
    <message>
        <source>可以读取的格式：.xlsx、.xls、.csv。</source>
        <translation>可以讀取的格式：.xlsx、.xls、.csv。</translation>
    </message>
    <message>
        <source>文件 %1 是 OpenDocument 文件（如 .ods），无法读取。</source>
        <translation>檔案 %1 是 OpenDocument 檔案（如 .ods），無法讀取。</translation>
    </message>
    <message>
        <source>请在电子表格程序中将它另存为 .xlsx 后再导入。</source>
        <translation>請在試算表程式中將它另存為 .xlsx 後再匯入。</translation>
    </message>
    <message>
        <source>文件 %1 不是工作簿。</source>
        <translation>檔案 %1 不是活頁簿。</translation>
    </message>
</context>
<context>
    <name>WorkbookExport</name>
    <message>
        <source>这是一个文件夹</source>
        <translation>這是一個資料夾</translation>
    </message>
    <message>
        <source>这个文件是只读的或没有写入权限</source>
        <translation>這個檔案是唯讀的或沒有寫入權限</translation>
    </message>
    <message>
        <source>无法替换 %1：%2</source>
        <translation>無法替換 %1：%2</translation>
    </message>
    <message>
        <source>组别</source>
        <translation>組別</translation>
    </message>
    <message>
        <source>作废</source>
        <translation>作廢</translation>
    </message>
    <message>
        <source>编号</source>
        <translation>編號</translation>
    </message>
    <message>
        <source>姓名</source>
        <translation>姓名</translation>
    </message>
    <message>
        <source>备注</source>
        <translation>備註</translation>
    </message>
    <message>
        <source>分组</source>
        <translation>分組</translation>
    </message>
    <message>
        <source>奖项等级</source>
        <translation>獎項等級</translation>
    </message>
    <message>
        <source>名次</source>
        <translation>名次</translation>
    </message>
    <message>
        <source>奖品</source>
        <translation>獎品</translation>
    </message>
    <message>
        <source>中奖时间</source>
        <translation>中獎時間</translation>
    </message>
    <message>
        <source>作废时间</source>
        <translation>作廢時間</translation>
    </message>
    <message>
        <source>原因</source>
        <translation>原因</translation>
    </message>
    <message>
        <source>替补编号</source>
        <translation>替補編號</translation>
    </message>
</context>
<context>
    <name>WorkbookFileDialog</name>
    <message>
        <source>工作簿 (*.xlsx *.xls *.csv)</source>
        <translation>工作簿 (*.xlsx *.xls *.csv)</translation>
    </message>
    <message>
        <source>工作簿 (*.xlsx)</source>
        <translation>工作簿 (*.xlsx)</translation>
    </message>
    <message>
        <source>工作簿将保存为 %1，这个文件已存在。
要替换它吗？</source>
        <translation>活頁簿將儲存為 %1，這個檔案已存在。
要替換它嗎？</translation>
    </message>
</context>
</TS>