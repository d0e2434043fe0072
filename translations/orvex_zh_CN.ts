<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Core</name>
    <message>
        <source>Please choose an output directory first.</source>
        <translation>请先选择输出目录。</translation>
    </message>
    <message>
        <source>Cannot open clipboard</source>
        <translation>无法打开剪贴板</translation>
    </message>
    <message>
        <source>The page could not be printed</source>
        <translation>无法打印该页面</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>未知错误</translation>
    </message>
    <message>
        <source>Select a directory to save the files.</source>
        <translation>选择用于保存文件的目录。</translation>
    </message>
    <message>
        <source>Yahoo Messenger dat files (*.dat)</source>
        <translation>Yahoo Messenger dat 文件 (*.dat)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>所有文件 (*)</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>找不到文件</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>文件访问被拒绝</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>已启用</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>已禁用</translation>
    </message>
    <message>
        <source>Show all</source>
        <translation>全部显示</translation>
    </message>
    <message>
        <source>Favorite conversations</source>
        <translation>收藏的对话</translation>
    </message>
    <message>
        <source>Yahoo ID: </source>
        <translation>Yahoo 帐号: </translation>
    </message>
    <message>
        <source>Yahoo ID: multiple</source>
        <translation>Yahoo 帐号: 多个</translation>
    </message>
    <message>
        <source>Local user</source>
        <translation>本地用户</translation>
    </message>
    <message>
        <source>Friend</source>
        <translation>好友</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>合计</translation>
    </message>
    <message>
        <source>messages</source>
        <translation>消息数</translation>
    </message>
    <message>
        <source>words</source>
        <translation>字数</translation>
    </message>
    <message>
        <source>bytes</source>
        <translation>字节数</translation>
    </message>
    <message>
        <source>avg words/message</source>
        <translation>每条消息平均字数</translation>
    </message>
    <message>
        <source>avg word length</source>
        <translation>平均词长</translation>
    </message>
    <message>
        <source>avg bytes/message</source>
        <translation>每条消息平均字节数</translation>
    </message>
    <message>
        <source>conversations started</source>
        <translation>发起的对话</translation>
    </message>
    <message>
        <source>Identity</source>
        <translation>身份</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>开始时间</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>结束时间</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>字数</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>大小</translation>
    </message>
    <message>
        <source>Filename</source>
        <translation>文件名</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>排名</translation>
    </message>
</context>
<context>
    <name>ExportActions</name>
    <message>
        <source>HTML file (*.html);;All files (*)</source>
        <translation>HTML 文件 (*.html);;所有文件 (*)</translation>
    </message>
    <message>
        <source>Text file (*.txt);;All files (*)</source>
        <translation>文本文件 (*.txt);;所有文件 (*)</translation>
    </message>
    <message>
        <source>Saving conversations...</source>
        <translation>正在保存对话...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>FileActions</name>
    <message>
        <source>Select a directory from which to read the archive.</source>
        <translation>选择要从中读取存档的目录。</translation>
    </message>
    <message>
        <source>Select another archive folder to read with the one shown.</source>
        <translation>选择另一个存档文件夹，与当前显示的文件夹一起读取。</translation>
    </message>
    <message>
        <source>Are you sure you want to delete %1 files?<byte value="xd"/>
</source>
        <translation>确实要删除这 %1 个文件吗？<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Are you sure you want to delete %1 files permanently?<byte value="xd"/>
</source>
        <translation>确实要永久删除这 %1 个文件吗？<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>There is no trash here: they are deleted for good.</source>
        <translation>此处没有回收站：它们将被永久删除。</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>确认</translation>
    </message>
    <message>
        <source>1 file cannot be moved to the trash. Delete it permanently?</source>
        <translation>有 1 个文件无法移到回收站。要永久删除它吗？</translation>
    </message>
    <message>
        <source>%1 files cannot be moved to the trash. Delete them permanently?</source>
        <translation>有 %1 个文件无法移到回收站。要永久删除它们吗？</translation>
    </message>
    <message>
        <source>They are moved to the trash, from where they can be restored.</source>
        <translation>它们将被移到回收站，可从那里恢复。</translation>
    </message>
</context>
<context>
    <name>HelpActions</name>
    <message>
        <source>The guide was not found. It belongs in
%1

Installing the program again puts it back.</source>
        <translation>找不到使用指南。它应位于
%1

重新安装本程序即可恢复。</translation>
    </message>
</context>
<context>
    <name>KeepActions</name>
    <message>
        <source>Save conversations as a website</source>
        <translation>将对话保存为网站</translation>
    </message>
    <message>
        <source>Save conversations as JSON files</source>
        <translation>将对话保存为 JSON 文件</translation>
    </message>
    <message>
        <source>All conversations listed</source>
        <translation>列出的所有对话</translation>
    </message>
    <message>
        <source>Only selected</source>
        <translation>仅所选项</translation>
    </message>
    <message>
        <source>Selected contacts</source>
        <translation>所选联系人</translation>
    </message>
    <message>
        <source>The website has been saved in
%1

Open it now?</source>
        <translation>网站已保存到
%1

是否立即打开？</translation>
    </message>
    <message>
        <source>Save as website</source>
        <translation>另存为网站</translation>
    </message>
</context>
<context>
    <name>PrintActions</name>
    <message>
        <source>%1 conversations printed out of %2</source>
        <translation>已打印 %1 个对话，共 %2 个</translation>
    </message>
</context>
<context>
    <name>orvex::ContactTreePanel</name>
    <message>
        <source>No message archives were found in this folder.

To choose the folder that holds them, click the &quot;...&quot; button beside the path box, or choose &quot;Open message archive folder...&quot; in the File menu.</source>
        <translation>在此文件夹中未找到消息存档。

要选择存放存档的文件夹，请单击路径框旁边的“...”按钮，或在“文件”菜单中选择“打开消息存档文件夹...”。</translation>
    </message>
    <message>
        <source>Message archiving: </source>
        <translation>消息存档: </translation>
    </message>
    <message>
        <source>Filter:</source>
        <translation>筛选:</translation>
    </message>
    <message>
        <source>Also read: 1 more archive folder</source>
        <translation>同时读取: 另外 1 个存档文件夹</translation>
    </message>
    <message>
        <source>Also read: %1 more archive folders</source>
        <translation>同时读取: 另外 %1 个存档文件夹</translation>
    </message>
    <message>
        <source> (%1 gone or without archives, left out)</source>
        <translation> (%1 个已不存在或没有存档，已略过)</translation>
    </message>
    <message>
        <source>Missing:
</source>
        <translation>缺失:
</translation>
    </message>
    <message>
        <source>Read with:
</source>
        <translation>一并读取:
</translation>
    </message>
    <message>
        <source>Message archiving: click to switch it</source>
        <translation>消息存档：单击切换</translation>
    </message>
    <message>
        <source>Archive folder</source>
        <translation>存档文件夹</translation>
    </message>
    <message>
        <source>The folder the message archives are read from</source>
        <translation>读取消息存档的文件夹</translation>
    </message>
    <message>
        <source>Choose the archive folder</source>
        <translation>选择存档文件夹</translation>
    </message>
    <message>
        <source>Identities and contacts</source>
        <translation>身份和联系人</translation>
    </message>
    <message>
        <source>Filter contacts</source>
        <translation>筛选联系人</translation>
    </message>
    <message>
        <source>enabled</source>
        <translation>已启用</translation>
    </message>
</context>
<context>
    <name>orvex::FindBar</name>
    <message>
        <source>Find in view</source>
        <translation>在视图中查找</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>上一个</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>下一个</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>未找到</translation>
    </message>
</context>
<context>
    <name>orvex::ListPanel</name>
    <message>
        <source>Search</source>
        <translation>搜索</translation>
    </message>
    <message>
        <source>Conversations</source>
        <translation>对话</translation>
    </message>
    <message>
        <source>Search: </source>
        <translation>搜索: </translation>
    </message>
    <message>
        <source>Search text</source>
        <translation>搜索文本</translation>
    </message>
    <message>
        <source>Searches the conversations listed for this text</source>
        <translation>在列出的对话中搜索此文本</translation>
    </message>
    <message>
        <source>Conversation list tabs</source>
        <translation>对话列表标签</translation>
    </message>
</context>
<context>
    <name>orvex::LongActionRunner</name>
    <message>
        <source>%1 files processed out of %2</source>
        <translation>已处理 %1 个文件，共 %2 个</translation>
    </message>
    <message>
        <source>%1 files searched out of %2</source>
        <translation>已搜索 %1 个文件，共 %2 个</translation>
    </message>
    <message>
        <source>%1 files saved out of %2</source>
        <translation>已保存 %1 个文件，共 %2 个</translation>
    </message>
</context>
<context>
    <name>orvex::StatisticsPanel</name>
    <message>
        <source>Statistics</source>
        <translation>统计</translation>
    </message>
    <message>
        <source>Messages, words and bytes of the conversations shown</source>
        <translation>所显示对话的消息、字数和字节数</translation>
    </message>
</context>
<context>
    <name>orvex::TfrmAbout</name>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Messenger Archive Viewer </source>
        <translation>消息存档查看器 </translation>
    </message>
    <message>
        <source>Version 1.02</source>
        <translation>版本 1.02</translation>
    </message>
    <message>
        <source>Free to use and to share; provided as is, without warranty.</source>
        <translation>可免费使用和分享；按原样提供，不附带任何担保。</translation>
    </message>
    <message>
        <source>Homepage:</source>
        <translation>主页:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>orvex::TfrmMain</name>
    <message>
        <source>Open message archive folder...</source>
        <translation>打开消息存档文件夹...</translation>
    </message>
    <message>
        <source>Open .dat file...</source>
        <translation>打开 .dat 文件...</translation>
    </message>
    <message>
        <source>Add archive folder...</source>
        <translation>添加存档文件夹...</translation>
    </message>
    <message>
        <source>Remove added archive folders</source>
        <translation>移除添加的存档文件夹</translation>
    </message>
    <message>
        <source>Save as HTML...</source>
        <translation>另存为 HTML...</translation>
    </message>
    <message>
        <source>Save as text...</source>
        <translation>另存为文本...</translation>
    </message>
    <message>
        <source>Save as individual HTML files...</source>
        <translation>另存为单独的 HTML 文件...</translation>
    </message>
    <message>
        <source>Save as individual text files...</source>
        <translation>另存为单独的文本文件...</translation>
    </message>
    <message>
        <source>Save as website...</source>
        <translation>另存为网站...</translation>
    </message>
    <message>
        <source>Save as JSON files...</source>
        <translation>另存为 JSON 文件...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>打印...</translation>
    </message>
    <message>
        <source>Print preview...</source>
        <translation>打印预览...</translation>
    </message>
    <message>
        <source>Page setup...</source>
        <translation>页面设置...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Format toolbar</source>
        <translation>格式工具栏</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>统计</translation>
    </message>
    <message>
        <source>Message viewer</source>
        <translation>消息查看器</translation>
    </message>
    <message>
        <source>Add to favorites</source>
        <translation>添加到收藏夹</translation>
    </message>
    <message>
        <source>Copy to clipboard</source>
        <translation>复制到剪贴板</translation>
    </message>
    <message>
        <source>Copy html code to clipboard</source>
        <translation>将 HTML 代码复制到剪贴板</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Show in Explorer</source>
        <translation>在 Explorer 中显示</translation>
    </message>
    <message>
        <source>Select all messages</source>
        <translation>选择所有消息</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Homepage</source>
        <translation>主页</translation>
    </message>
    <message>
        <source>Forum</source>
        <translation>论坛</translation>
    </message>
    <message>
        <source>Suggestions and bugs reports</source>
        <translation>建议和错误报告</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>关于...</translation>
    </message>
    <message>
        <source>Remove from favorites</source>
        <translation>从收藏夹中移除</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>刷新</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>查看(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Conversation</source>
        <translation>对话(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Forum</source>
        <translation>论坛(&amp;F)</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>格式</translation>
    </message>
    <message>
        <source>Reading files...</source>
        <translation>正在读取文件...</translation>
    </message>
    <message>
        <source>Orvex Yahoo Message Archive Reader is currently reading archive files</source>
        <translation>Orvex Yahoo Message Archive Reader 正在读取存档文件</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Orvex Messenger Archive</source>
        <translation>Orvex Messenger Archive</translation>
    </message>
    <message>
        <source>Guide</source>
        <translation>指南</translation>
    </message>
    <message>
        <source>Opens the guide shipped with the program</source>
        <translation>打开程序附带的指南</translation>
    </message>
    <message>
        <source>Opens the forum in the web browser</source>
        <translation>在网页浏览器中打开论坛</translation>
    </message>
    <message>
        <source>Files read</source>
        <translation>已读取的文件</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Search box</source>
        <translation>搜索框</translation>
    </message>
    <message>
        <source>Opens a menu</source>
        <translation>打开菜单</translation>
    </message>
    <message>
        <source>Find in view...</source>
        <translation>在视图中查找...</translation>
    </message>
    <message>
        <source>Find next</source>
        <translation>查找下一个</translation>
    </message>
    <message>
        <source>Find previous</source>
        <translation>查找上一个</translation>
    </message>
</context>
<context>
    <name>orvex::TfrmOpenDat</name>
    <message>
        <source>Open .dat files</source>
        <translation>打开 .dat 文件</translation>
    </message>
    <message>
        <source>File (s):</source>
        <translation>文件:</translation>
    </message>
    <message>
        <source>Select files</source>
        <translation>选择文件</translation>
    </message>
    <message>
        <source>Username (needed for decoding the archive file):</source>
        <translation>用户名 (解码存档文件时需要):</translation>
    </message>
    <message>
        <source>Username of the friend:</source>
        <translation>好友的用户名:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>(multiple files)</source>
        <translation>(多个文件)</translation>
    </message>
    <message>
        <source>Error: please select at least one file.</source>
        <translation>错误: 请至少选择一个文件。</translation>
    </message>
</context>
<context>
    <name>orvex::TfrmSaveDir</name>
    <message>
        <source>Save conversations to HTML files</source>
        <translation>将对话保存为 HTML 文件</translation>
    </message>
    <message>
        <source>Save conversations to plain text files</source>
        <translation>将对话保存为纯文本文件</translation>
    </message>
    <message>
        <source>Selected conversations</source>
        <translation>所选对话</translation>
    </message>
    <message>
        <source>Selected contacts</source>
        <translation>所选联系人</translation>
    </message>
    <message>
        <source>All the archive</source>
        <translation>整个存档</translation>
    </message>
    <message>
        <source>Output directory</source>
        <translation>输出目录</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>orvex::ViewerPanel</name>
    <message>
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>Bold, italic, underline</source>
        <translation>粗体、斜体、下划线</translation>
    </message>
    <message>
        <source>Fonts and colors</source>
        <translation>字体和颜色</translation>
    </message>
    <message>
        <source>Smileys images</source>
        <translation>表情图片</translation>
    </message>
    <message>
        <source>Raw</source>
        <translation>原始</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>主题</translation>
    </message>
    <message>
        <source>Conversation page</source>
        <translation>对话页面</translation>
    </message>
    <message>
        <source>The conversations chosen in the list</source>
        <translation>列表中选定的对话</translation>
    </message>
</context>
</TS>
