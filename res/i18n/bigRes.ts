<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="zh_TW" sourcelanguage="zh_CN">
<context>
    <name>CDrawApp</name>
    <message>
        <source>连接数据库失败</source>
        <translation>連線資料庫失敗</translation>
    </message>
</context>
<context>
    <name>PlaceholderWindow</name>
    <message>
        <source>数据库: %1
参加抽奖的人数: %2</source>
        <translation>資料庫: %1
參加抽獎的人數: %2</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>關閉</translation>
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
        <source>中獎者：</source>
        <translation>中獎者：</translation>
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
        <source>文件不是工作簿：%1</source>
        <translation>檔案不是活頁簿：%1</translation>
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
        <source>工作簿太大，内存不足</source>
        <translation>活頁簿太大，記憶體不足</translation>
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
</context>
</TS>