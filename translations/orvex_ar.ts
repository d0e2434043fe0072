<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_EG">
<context>
    <name>Core</name>
    <message>
        <source>Please choose an output directory first.</source>
        <translation>يرجى اختيار دليل الإخراج أولاً.</translation>
    </message>
    <message>
        <source>Cannot open clipboard</source>
        <translation>تعذر فتح الحافظة</translation>
    </message>
    <message>
        <source>The page could not be printed</source>
        <translation>تعذرت طباعة الصفحة</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>خطأ غير معروف</translation>
    </message>
    <message>
        <source>Select a directory to save the files.</source>
        <translation>حدد دليلاً لحفظ الملفات.</translation>
    </message>
    <message>
        <source>Yahoo Messenger dat files (*.dat)</source>
        <translation>ملفات Yahoo Messenger dat (*.dat)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>كافة الملفات (*)</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>لم يتم العثور على الملف</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>تم رفض الوصول إلى الملف</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>ممكّن</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>معطّل</translation>
    </message>
    <message>
        <source>Show all</source>
        <translation>إظهار الكل</translation>
    </message>
    <message>
        <source>Favorite conversations</source>
        <translation>المحادثات المفضلة</translation>
    </message>
    <message>
        <source>Yahoo ID: </source>
        <translation>معرّف Yahoo: </translation>
    </message>
    <message>
        <source>Yahoo ID: multiple</source>
        <translation>معرّف Yahoo: متعدد</translation>
    </message>
    <message>
        <source>Local user</source>
        <translation>المستخدم المحلي</translation>
    </message>
    <message>
        <source>Friend</source>
        <translation>الصديق</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>الإجمالي</translation>
    </message>
    <message>
        <source>messages</source>
        <translation>الرسائل</translation>
    </message>
    <message>
        <source>words</source>
        <translation>الكلمات</translation>
    </message>
    <message>
        <source>bytes</source>
        <translation>البايتات</translation>
    </message>
    <message>
        <source>avg words/message</source>
        <translation>متوسط الكلمات لكل رسالة</translation>
    </message>
    <message>
        <source>avg word length</source>
        <translation>متوسط طول الكلمة</translation>
    </message>
    <message>
        <source>avg bytes/message</source>
        <translation>متوسط البايتات لكل رسالة</translation>
    </message>
    <message>
        <source>conversations started</source>
        <translation>المحادثات التي بدأها</translation>
    </message>
    <message>
        <source>Identity</source>
        <translation>الهوية</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>التاريخ</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>وقت البدء</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>وقت الانتهاء</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>الكلمات</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>الحجم</translation>
    </message>
    <message>
        <source>Filename</source>
        <translation>اسم الملف</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>الترتيب</translation>
    </message>
</context>
<context>
    <name>ExportActions</name>
    <message>
        <source>HTML file (*.html);;All files (*)</source>
        <translation>ملف HTML (*.html);;كافة الملفات (*)</translation>
    </message>
    <message>
        <source>Text file (*.txt);;All files (*)</source>
        <translation>ملف نصي (*.txt);;كافة الملفات (*)</translation>
    </message>
    <message>
        <source>Saving conversations...</source>
        <translation>جارٍ حفظ المحادثات...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
</context>
<context>
    <name>FileActions</name>
    <message>
        <source>Select a directory from which to read the archive.</source>
        <translation>حدد الدليل الذي سيُقرأ منه الأرشيف.</translation>
    </message>
    <message>
        <source>Select another archive folder to read with the one shown.</source>
        <translation>حدد مجلد أرشيف آخر لقراءته مع المجلد المعروض.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete %1 files?<byte value="xd"/>
</source>
        <translation>هل تريد بالتأكيد حذف %1 من الملفات؟<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Are you sure you want to delete %1 files permanently?<byte value="xd"/>
</source>
        <translation>هل تريد بالتأكيد حذف %1 من الملفات نهائياً؟<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>There is no trash here: they are deleted for good.</source>
        <translation>لا توجد سلة محذوفات هنا: سيتم حذفها نهائياً.</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>تأكيد</translation>
    </message>
    <message>
        <source>1 file cannot be moved to the trash. Delete it permanently?</source>
        <translation>تعذر نقل ملف واحد إلى سلة المحذوفات. هل تريد حذفه نهائياً؟</translation>
    </message>
    <message>
        <source>%1 files cannot be moved to the trash. Delete them permanently?</source>
        <translation>تعذر نقل %1 من الملفات إلى سلة المحذوفات. هل تريد حذفها نهائياً؟</translation>
    </message>
    <message>
        <source>They are moved to the trash, from where they can be restored.</source>
        <translation>سيتم نقلها إلى سلة المهملات، ويمكن استعادتها من هناك.</translation>
    </message>
</context>
<context>
    <name>HelpActions</name>
    <message>
        <source>The guide was not found. It belongs in
%1

Installing the program again puts it back.</source>
        <translation>لم يتم العثور على دليل الاستخدام. يجب أن يكون موجوداً في
%1

تؤدي إعادة تثبيت البرنامج إلى استعادته.</translation>
    </message>
</context>
<context>
    <name>KeepActions</name>
    <message>
        <source>Save conversations as a website</source>
        <translation>حفظ المحادثات كموقع ويب</translation>
    </message>
    <message>
        <source>Save conversations as JSON files</source>
        <translation>حفظ المحادثات كملفات JSON</translation>
    </message>
    <message>
        <source>All conversations listed</source>
        <translation>كافة المحادثات المدرجة</translation>
    </message>
    <message>
        <source>Only selected</source>
        <translation>المحدد فقط</translation>
    </message>
    <message>
        <source>Selected contacts</source>
        <translation>جهات الاتصال المحددة</translation>
    </message>
    <message>
        <source>The website has been saved in
%1

Open it now?</source>
        <translation>تم حفظ موقع الويب في
%1

هل تريد فتحه الآن؟</translation>
    </message>
    <message>
        <source>Save as website</source>
        <translation>حفظ كموقع ويب</translation>
    </message>
</context>
<context>
    <name>PrintActions</name>
    <message>
        <source>%1 conversations printed out of %2</source>
        <translation>تمت طباعة %1 من أصل %2 من المحادثات</translation>
    </message>
</context>
<context>
    <name>orvex::ContactTreePanel</name>
    <message>
        <source>No message archives were found in this folder.

To choose the folder that holds them, click the &quot;...&quot; button beside the path box, or choose &quot;Open message archive folder...&quot; in the File menu.</source>
        <translation>لم يتم العثور على أي أرشيف رسائل في هذا المجلد.

لاختيار المجلد الذي يحتويها، انقر فوق الزر &quot;...&quot; بجوار مربع المسار، أو اختر &quot;فتح مجلد أرشيف الرسائل...&quot; من القائمة &quot;ملف&quot;.</translation>
    </message>
    <message>
        <source>Message archiving: </source>
        <translation>أرشفة الرسائل: </translation>
    </message>
    <message>
        <source>Filter:</source>
        <translation>تصفية:</translation>
    </message>
    <message>
        <source>Also read: 1 more archive folder</source>
        <translation>تُقرأ أيضاً: مجلد أرشيف آخر واحد</translation>
    </message>
    <message>
        <source>Also read: %1 more archive folders</source>
        <translation>تُقرأ أيضاً: %1 من مجلدات الأرشيف الأخرى</translation>
    </message>
    <message>
        <source> (%1 gone or without archives, left out)</source>
        <translation> (تم تجاهل %1 غير موجود أو بلا أرشيف)</translation>
    </message>
    <message>
        <source>Missing:
</source>
        <translation>مفقود:
</translation>
    </message>
    <message>
        <source>Read with:
</source>
        <translation>تُقرأ مع:
</translation>
    </message>
    <message>
        <source>Message archiving: click to switch it</source>
        <translation>أرشفة الرسائل: انقر للتبديل</translation>
    </message>
    <message>
        <source>Archive folder</source>
        <translation>مجلد الأرشيف</translation>
    </message>
    <message>
        <source>The folder the message archives are read from</source>
        <translation>المجلد الذي تُقرأ منه أرشيفات الرسائل</translation>
    </message>
    <message>
        <source>Choose the archive folder</source>
        <translation>اختيار مجلد الأرشيف</translation>
    </message>
    <message>
        <source>Identities and contacts</source>
        <translation>الهويات وجهات الاتصال</translation>
    </message>
    <message>
        <source>Filter contacts</source>
        <translation>تصفية جهات الاتصال</translation>
    </message>
    <message>
        <source>enabled</source>
        <translation>مفعّل</translation>
    </message>
</context>
<context>
    <name>orvex::FindBar</name>
    <message>
        <source>Find in view</source>
        <translation>البحث في العرض</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>السابق</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>التالي</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>غير موجود</translation>
    </message>
</context>
<context>
    <name>orvex::ListPanel</name>
    <message>
        <source>Search</source>
        <translation>بحث</translation>
    </message>
    <message>
        <source>Conversations</source>
        <translation>المحادثات</translation>
    </message>
    <message>
        <source>Search: </source>
        <translation>بحث: </translation>
    </message>
    <message>
        <source>Search text</source>
        <translation>نص البحث</translation>
    </message>
    <message>
        <source>Searches the conversations listed for this text</source>
        <translation>يبحث عن هذا النص في المحادثات المعروضة</translation>
    </message>
    <message>
        <source>Conversation list tabs</source>
        <translation>علامات تبويب قائمة المحادثات</translation>
    </message>
</context>
<context>
    <name>orvex::LongActionRunner</name>
    <message>
        <source>%1 files processed out of %2</source>
        <translation>تمت معالجة %1 من أصل %2 من الملفات</translation>
    </message>
    <message>
        <source>%1 files searched out of %2</source>
        <translation>تم البحث في %1 من أصل %2 من الملفات</translation>
    </message>
    <message>
        <source>%1 files saved out of %2</source>
        <translation>تم حفظ %1 من أصل %2 من الملفات</translation>
    </message>
</context>
<context>
    <name>orvex::StatisticsPanel</name>
    <message>
        <source>Statistics</source>
        <translation>إحصائيات</translation>
    </message>
    <message>
        <source>Messages, words and bytes of the conversations shown</source>
        <translation>رسائل المحادثات المعروضة وكلماتها وبايتاتها</translation>
    </message>
</context>
<context>
    <name>orvex::TfrmAbout</name>
    <message>
        <source>About</source>
        <translation>حول</translation>
    </message>
    <message>
        <source>Messenger Archive Viewer </source>
        <translation>عارض أرشيف الرسائل </translation>
    </message>
    <message>
        <source>Version 1.02</source>
        <translation>الإصدار 1.02</translation>
    </message>
    <message>
        <source>Free to use and to share; provided as is, without warranty.</source>
        <translation>مجاني للاستخدام والمشاركة؛ يُقدَّم كما هو، دون أي ضمان.</translation>
    </message>
    <message>
        <source>Homepage:</source>
        <translation>الصفحة الرئيسية:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
</context>
<context>
    <name>orvex::TfrmMain</name>
    <message>
        <source>Open message archive folder...</source>
        <translation>فتح مجلد أرشيف الرسائل...</translation>
    </message>
    <message>
        <source>Open .dat file...</source>
        <translation>فتح ملف .dat...</translation>
    </message>
    <message>
        <source>Add archive folder...</source>
        <translation>إضافة مجلد أرشيف...</translation>
    </message>
    <message>
        <source>Remove added archive folders</source>
        <translation>إزالة مجلدات الأرشيف المضافة</translation>
    </message>
    <message>
        <source>Save as HTML...</source>
        <translation>حفظ كـ HTML...</translation>
    </message>
    <message>
        <source>Save as text...</source>
        <translation>حفظ كنص...</translation>
    </message>
    <message>
        <source>Save as individual HTML files...</source>
        <translation>حفظ كملفات HTML منفصلة...</translation>
    </message>
    <message>
        <source>Save as individual text files...</source>
        <translation>حفظ كملفات نصية منفصلة...</translation>
    </message>
    <message>
        <source>Save as website...</source>
        <translation>حفظ كموقع ويب...</translation>
    </message>
    <message>
        <source>Save as JSON files...</source>
        <translation>حفظ كملفات JSON...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>طباعة...</translation>
    </message>
    <message>
        <source>Print preview...</source>
        <translation>معاينة الطباعة...</translation>
    </message>
    <message>
        <source>Page setup...</source>
        <translation>إعداد الصفحة...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>إنهاء</translation>
    </message>
    <message>
        <source>Format toolbar</source>
        <translation>شريط أدوات التنسيق</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>إحصائيات</translation>
    </message>
    <message>
        <source>Message viewer</source>
        <translation>عارض الرسائل</translation>
    </message>
    <message>
        <source>Add to favorites</source>
        <translation>إضافة إلى المفضلة</translation>
    </message>
    <message>
        <source>Copy to clipboard</source>
        <translation>نسخ إلى الحافظة</translation>
    </message>
    <message>
        <source>Copy html code to clipboard</source>
        <translation>نسخ رمز HTML إلى الحافظة</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>حذف</translation>
    </message>
    <message>
        <source>Show in Explorer</source>
        <translation>إظهار في Explorer</translation>
    </message>
    <message>
        <source>Select all messages</source>
        <translation>تحديد كافة الرسائل</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>تعليمات</translation>
    </message>
    <message>
        <source>Homepage</source>
        <translation>الصفحة الرئيسية</translation>
    </message>
    <message>
        <source>Forum</source>
        <translation>المنتدى</translation>
    </message>
    <message>
        <source>Suggestions and bugs reports</source>
        <translation>الاقتراحات وتقارير الأخطاء</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>حول...</translation>
    </message>
    <message>
        <source>Remove from favorites</source>
        <translation>إزالة من المفضلة</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>تحديث</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;ملف</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;عرض</translation>
    </message>
    <message>
        <source>&amp;Conversation</source>
        <translation>م&amp;حادثة</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;تعليمات</translation>
    </message>
    <message>
        <source>&amp;Forum</source>
        <translation>&amp;منتدى</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>تنسيق</translation>
    </message>
    <message>
        <source>Reading files...</source>
        <translation>جارٍ قراءة الملفات...</translation>
    </message>
    <message>
        <source>Orvex Yahoo Message Archive Reader is currently reading archive files</source>
        <translation>يقوم Orvex Yahoo Message Archive Reader حالياً بقراءة ملفات الأرشيف</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Orvex Messenger Archive</source>
        <translation>Orvex Messenger Archive</translation>
    </message>
    <message>
        <source>Guide</source>
        <translation>الدليل</translation>
    </message>
    <message>
        <source>Opens the guide shipped with the program</source>
        <translation>يفتح الدليل المرفق بالبرنامج</translation>
    </message>
    <message>
        <source>Opens the forum in the web browser</source>
        <translation>يفتح المنتدى في متصفح الويب</translation>
    </message>
    <message>
        <source>Files read</source>
        <translation>الملفات المقروءة</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>إنهاء</translation>
    </message>
    <message>
        <source>Search box</source>
        <translation>مربع البحث</translation>
    </message>
    <message>
        <source>Opens a menu</source>
        <translation>يفتح قائمة</translation>
    </message>
    <message>
        <source>Find in view...</source>
        <translation>البحث في العرض...</translation>
    </message>
    <message>
        <source>Find next</source>
        <translation>البحث عن التالي</translation>
    </message>
    <message>
        <source>Find previous</source>
        <translation>البحث عن السابق</translation>
    </message>
</context>
<context>
    <name>orvex::TfrmOpenDat</name>
    <message>
        <source>Open .dat files</source>
        <translation>فتح ملفات .dat</translation>
    </message>
    <message>
        <source>File (s):</source>
        <translation>الملفات:</translation>
    </message>
    <message>
        <source>Select files</source>
        <translation>تحديد الملفات</translation>
    </message>
    <message>
        <source>Username (needed for decoding the archive file):</source>
        <translation>اسم المستخدم (مطلوب لفك ترميز ملف الأرشيف):</translation>
    </message>
    <message>
        <source>Username of the friend:</source>
        <translation>اسم مستخدم الصديق:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>(multiple files)</source>
        <translation>(ملفات متعددة)</translation>
    </message>
    <message>
        <source>Error: please select at least one file.</source>
        <translation>خطأ: يرجى تحديد ملف واحد على الأقل.</translation>
    </message>
</context>
<context>
    <name>orvex::TfrmSaveDir</name>
    <message>
        <source>Save conversations to HTML files</source>
        <translation>حفظ المحادثات في ملفات HTML</translation>
    </message>
    <message>
        <source>Save conversations to plain text files</source>
        <translation>حفظ المحادثات في ملفات نص عادي</translation>
    </message>
    <message>
        <source>Selected conversations</source>
        <translation>المحادثات المحددة</translation>
    </message>
    <message>
        <source>Selected contacts</source>
        <translation>جهات الاتصال المحددة</translation>
    </message>
    <message>
        <source>All the archive</source>
        <translation>الأرشيف بالكامل</translation>
    </message>
    <message>
        <source>Output directory</source>
        <translation>دليل الإخراج</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
</context>
<context>
    <name>orvex::ViewerPanel</name>
    <message>
        <source>Date</source>
        <translation>التاريخ</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>الوقت</translation>
    </message>
    <message>
        <source>Bold, italic, underline</source>
        <translation>غامق، مائل، تسطير</translation>
    </message>
    <message>
        <source>Fonts and colors</source>
        <translation>الخطوط والألوان</translation>
    </message>
    <message>
        <source>Smileys images</source>
        <translation>صور الوجوه التعبيرية</translation>
    </message>
    <message>
        <source>Raw</source>
        <translation>خام</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>السمة</translation>
    </message>
    <message>
        <source>Conversation page</source>
        <translation>صفحة المحادثة</translation>
    </message>
    <message>
        <source>The conversations chosen in the list</source>
        <translation>المحادثات المختارة في القائمة</translation>
    </message>
</context>
</TS>
