<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>Core</name>
    <message>
        <source>Please choose an output directory first.</source>
        <translation>Сначала выберите папку для сохранения.</translation>
    </message>
    <message>
        <source>Cannot open clipboard</source>
        <translation>Не удаётся открыть буфер обмена</translation>
    </message>
    <message>
        <source>The page could not be printed</source>
        <translation>Не удалось напечатать страницу</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Неизвестная ошибка</translation>
    </message>
    <message>
        <source>Select a directory to save the files.</source>
        <translation>Выберите папку для сохранения файлов.</translation>
    </message>
    <message>
        <source>Yahoo Messenger dat files (*.dat)</source>
        <translation>Файлы dat Yahoo Messenger (*.dat)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Все файлы (*)</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Файл не найден</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>Доступ к файлу запрещён</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Включено</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Отключено</translation>
    </message>
    <message>
        <source>Show all</source>
        <translation>Показать все</translation>
    </message>
    <message>
        <source>Favorite conversations</source>
        <translation>Избранные беседы</translation>
    </message>
    <message>
        <source>Yahoo ID: </source>
        <translation>Yahoo ID: </translation>
    </message>
    <message>
        <source>Yahoo ID: multiple</source>
        <translation>Yahoo ID: несколько</translation>
    </message>
    <message>
        <source>Local user</source>
        <translation>Локальный пользователь</translation>
    </message>
    <message>
        <source>Friend</source>
        <translation>Собеседник</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Всего</translation>
    </message>
    <message>
        <source>messages</source>
        <translation>сообщения</translation>
    </message>
    <message>
        <source>words</source>
        <translation>слова</translation>
    </message>
    <message>
        <source>bytes</source>
        <translation>байты</translation>
    </message>
    <message>
        <source>avg words/message</source>
        <translation>ср. слов на сообщение</translation>
    </message>
    <message>
        <source>avg word length</source>
        <translation>ср. длина слова</translation>
    </message>
    <message>
        <source>avg bytes/message</source>
        <translation>ср. байт на сообщение</translation>
    </message>
    <message>
        <source>conversations started</source>
        <translation>начато бесед</translation>
    </message>
    <message>
        <source>Identity</source>
        <translation>Учётная запись</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Начало</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>Конец</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Слова</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Размер</translation>
    </message>
    <message>
        <source>Filename</source>
        <translation>Имя файла</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>Релевантность</translation>
    </message>
</context>
<context>
    <name>ExportActions</name>
    <message>
        <source>HTML file (*.html);;All files (*)</source>
        <translation>Файл HTML (*.html);;Все файлы (*)</translation>
    </message>
    <message>
        <source>Text file (*.txt);;All files (*)</source>
        <translation>Текстовый файл (*.txt);;Все файлы (*)</translation>
    </message>
    <message>
        <source>Saving conversations...</source>
        <translation>Сохранение бесед...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>FileActions</name>
    <message>
        <source>Select a directory from which to read the archive.</source>
        <translation>Выберите папку, из которой будет прочитан архив.</translation>
    </message>
    <message>
        <source>Select another archive folder to read with the one shown.</source>
        <translation>Выберите ещё одну папку архива для чтения вместе с текущей.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete %1 files?<byte value="xd"/>
</source>
        <translation>Вы действительно хотите удалить файлы (%1 шт.)?<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Are you sure you want to delete %1 files permanently?<byte value="xd"/>
</source>
        <translation>Вы действительно хотите безвозвратно удалить файлы (%1 шт.)?<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>There is no trash here: they are deleted for good.</source>
        <translation>Корзина здесь недоступна: файлы будут удалены безвозвратно.</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>Подтверждение</translation>
    </message>
    <message>
        <source>1 file cannot be moved to the trash. Delete it permanently?</source>
        <translation>Не удаётся переместить 1 файл в корзину. Удалить его безвозвратно?</translation>
    </message>
    <message>
        <source>%1 files cannot be moved to the trash. Delete them permanently?</source>
        <translation>Файлов, которые не удаётся переместить в корзину: %1. Удалить их безвозвратно?</translation>
    </message>
    <message>
        <source>They are moved to the trash, from where they can be restored.</source>
        <translation>Они будут перемещены в корзину, откуда их можно восстановить.</translation>
    </message>
</context>
<context>
    <name>HelpActions</name>
    <message>
        <source>The guide was not found. It belongs in
%1

Installing the program again puts it back.</source>
        <translation>Руководство не найдено. Оно должно находиться в папке
%1

Повторная установка программы восстановит его.</translation>
    </message>
</context>
<context>
    <name>KeepActions</name>
    <message>
        <source>Save conversations as a website</source>
        <translation>Сохранить беседы как веб-сайт</translation>
    </message>
    <message>
        <source>Save conversations as JSON files</source>
        <translation>Сохранить беседы в файлы JSON</translation>
    </message>
    <message>
        <source>All conversations listed</source>
        <translation>Все беседы в списке</translation>
    </message>
    <message>
        <source>Only selected</source>
        <translation>Только выбранные</translation>
    </message>
    <message>
        <source>Selected contacts</source>
        <translation>Выбранные контакты</translation>
    </message>
    <message>
        <source>The website has been saved in
%1

Open it now?</source>
        <translation>Веб-сайт сохранён в папке
%1

Открыть его сейчас?</translation>
    </message>
    <message>
        <source>Save as website</source>
        <translation>Сохранить как веб-сайт</translation>
    </message>
</context>
<context>
    <name>PrintActions</name>
    <message>
        <source>%1 conversations printed out of %2</source>
        <translation>Напечатано бесед: %1 из %2</translation>
    </message>
</context>
<context>
    <name>orvex::ContactTreePanel</name>
    <message>
        <source>No message archives were found in this folder.

To choose the folder that holds them, click the &quot;...&quot; button beside the path box, or choose &quot;Open message archive folder...&quot; in the File menu.</source>
        <translation>В этой папке не найдено архивов сообщений.

Чтобы выбрать папку с архивами, нажмите кнопку &quot;...&quot; рядом с полем пути или выберите &quot;Открыть папку архива...&quot; в меню &quot;Файл&quot;.</translation>
    </message>
    <message>
        <source>Message archiving: </source>
        <translation>Архивирование сообщений: </translation>
    </message>
    <message>
        <source>Filter:</source>
        <translation>Фильтр:</translation>
    </message>
    <message>
        <source>Also read: 1 more archive folder</source>
        <translation>Также читается ещё 1 папка архива</translation>
    </message>
    <message>
        <source>Also read: %1 more archive folders</source>
        <translation>Также читаются дополнительные папки архива: %1</translation>
    </message>
    <message>
        <source> (%1 gone or without archives, left out)</source>
        <translation> (пропущено отсутствующих или без архивов: %1)</translation>
    </message>
    <message>
        <source>Missing:
</source>
        <translation>Отсутствуют:
</translation>
    </message>
    <message>
        <source>Read with:
</source>
        <translation>Читаются также:
</translation>
    </message>
    <message>
        <source>Message archiving: click to switch it</source>
        <translation>Архивирование сообщений: нажмите, чтобы переключить</translation>
    </message>
    <message>
        <source>Archive folder</source>
        <translation>Папка архива</translation>
    </message>
    <message>
        <source>The folder the message archives are read from</source>
        <translation>Папка, из которой читаются архивы сообщений</translation>
    </message>
    <message>
        <source>Choose the archive folder</source>
        <translation>Выбрать папку архива</translation>
    </message>
    <message>
        <source>Identities and contacts</source>
        <translation>Учётные записи и контакты</translation>
    </message>
    <message>
        <source>Filter contacts</source>
        <translation>Фильтр контактов</translation>
    </message>
    <message>
        <source>enabled</source>
        <translation>включено</translation>
    </message>
</context>
<context>
    <name>orvex::FindBar</name>
    <message>
        <source>Find in view</source>
        <translation>Найти в просмотре</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Далее</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Не найдено</translation>
    </message>
</context>
<context>
    <name>orvex::ListPanel</name>
    <message>
        <source>Search</source>
        <translation>Поиск</translation>
    </message>
    <message>
        <source>Conversations</source>
        <translation>Беседы</translation>
    </message>
    <message>
        <source>Search: </source>
        <translation>Поиск: </translation>
    </message>
    <message>
        <source>Search text</source>
        <translation>Текст для поиска</translation>
    </message>
    <message>
        <source>Searches the conversations listed for this text</source>
        <translation>Ищет этот текст в беседах списка</translation>
    </message>
    <message>
        <source>Conversation list tabs</source>
        <translation>Вкладки списка бесед</translation>
    </message>
</context>
<context>
    <name>orvex::LongActionRunner</name>
    <message>
        <source>%1 files processed out of %2</source>
        <translation>Обработано файлов: %1 из %2</translation>
    </message>
    <message>
        <source>%1 files searched out of %2</source>
        <translation>Просмотрено файлов: %1 из %2</translation>
    </message>
    <message>
        <source>%1 files saved out of %2</source>
        <translation>Сохранено файлов: %1 из %2</translation>
    </message>
</context>
<context>
    <name>orvex::StatisticsPanel</name>
    <message>
        <source>Statistics</source>
        <translation>Статистика</translation>
    </message>
    <message>
        <source>Messages, words and bytes of the conversations shown</source>
        <translation>Сообщения, слова и байты показанных бесед</translation>
    </message>
</context>
<context>
    <name>orvex::TfrmAbout</name>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Messenger Archive Viewer </source>
        <translation>Просмотр архивов мессенджера </translation>
    </message>
    <message>
        <source>Version 1.02</source>
        <translation>Версия 1.02</translation>
    </message>
    <message>
        <source>Free to use and to share; provided as is, without warranty.</source>
        <translation>Свободно для использования и распространения; предоставляется «как есть», без каких-либо гарантий.</translation>
    </message>
    <message>
        <source>Homepage:</source>
        <translation>Домашняя страница:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
</context>
<context>
    <name>orvex::TfrmMain</name>
    <message>
        <source>Open message archive folder...</source>
        <translation>Открыть папку архива...</translation>
    </message>
    <message>
        <source>Open .dat file...</source>
        <translation>Открыть файл .dat...</translation>
    </message>
    <message>
        <source>Add archive folder...</source>
        <translation>Добавить папку архива...</translation>
    </message>
    <message>
        <source>Remove added archive folders</source>
        <translation>Убрать добавленные папки архива</translation>
    </message>
    <message>
        <source>Save as HTML...</source>
        <translation>Сохранить как HTML...</translation>
    </message>
    <message>
        <source>Save as text...</source>
        <translation>Сохранить как текст...</translation>
    </message>
    <message>
        <source>Save as individual HTML files...</source>
        <translation>Сохранить в отдельные файлы HTML...</translation>
    </message>
    <message>
        <source>Save as individual text files...</source>
        <translation>Сохранить в отдельные текстовые файлы...</translation>
    </message>
    <message>
        <source>Save as website...</source>
        <translation>Сохранить как веб-сайт...</translation>
    </message>
    <message>
        <source>Save as JSON files...</source>
        <translation>Сохранить как файлы JSON...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Печать...</translation>
    </message>
    <message>
        <source>Print preview...</source>
        <translation>Предварительный просмотр...</translation>
    </message>
    <message>
        <source>Page setup...</source>
        <translation>Параметры страницы...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Format toolbar</source>
        <translation>Панель форматирования</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Статистика</translation>
    </message>
    <message>
        <source>Message viewer</source>
        <translation>Просмотр сообщений</translation>
    </message>
    <message>
        <source>Add to favorites</source>
        <translation>Добавить в избранное</translation>
    </message>
    <message>
        <source>Copy to clipboard</source>
        <translation>Копировать в буфер обмена</translation>
    </message>
    <message>
        <source>Copy html code to clipboard</source>
        <translation>Копировать HTML-код в буфер обмена</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Show in Explorer</source>
        <translation>Показать в Explorer</translation>
    </message>
    <message>
        <source>Select all messages</source>
        <translation>Выделить все сообщения</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Homepage</source>
        <translation>Домашняя страница</translation>
    </message>
    <message>
        <source>Forum</source>
        <translation>Форум</translation>
    </message>
    <message>
        <source>Suggestions and bugs reports</source>
        <translation>Предложения и сообщения об ошибках</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>О программе...</translation>
    </message>
    <message>
        <source>Remove from favorites</source>
        <translation>Удалить из избранного</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Обновить</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Вид</translation>
    </message>
    <message>
        <source>&amp;Conversation</source>
        <translation>&amp;Беседа</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>&amp;Forum</source>
        <translation>&amp;Форум</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Формат</translation>
    </message>
    <message>
        <source>Reading files...</source>
        <translation>Чтение файлов...</translation>
    </message>
    <message>
        <source>Orvex Yahoo Message Archive Reader is currently reading archive files</source>
        <translation>Orvex Yahoo Message Archive Reader читает файлы архива</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Orvex Messenger Archive</source>
        <translation>Orvex Messenger Archive</translation>
    </message>
    <message>
        <source>Guide</source>
        <translation>Руководство</translation>
    </message>
    <message>
        <source>Opens the guide shipped with the program</source>
        <translation>Открывает руководство, поставляемое с программой</translation>
    </message>
    <message>
        <source>Opens the forum in the web browser</source>
        <translation>Открывает форум в браузере</translation>
    </message>
    <message>
        <source>Files read</source>
        <translation>Прочитано файлов</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Search box</source>
        <translation>Поле поиска</translation>
    </message>
    <message>
        <source>Opens a menu</source>
        <translation>Открывает меню</translation>
    </message>
    <message>
        <source>Find in view...</source>
        <translation>Найти в просмотре...</translation>
    </message>
    <message>
        <source>Find next</source>
        <translation>Найти далее</translation>
    </message>
    <message>
        <source>Find previous</source>
        <translation>Найти ранее</translation>
    </message>
</context>
<context>
    <name>orvex::TfrmOpenDat</name>
    <message>
        <source>Open .dat files</source>
        <translation>Открыть файлы .dat</translation>
    </message>
    <message>
        <source>File (s):</source>
        <translation>Файл(ы):</translation>
    </message>
    <message>
        <source>Select files</source>
        <translation>Выбрать файлы</translation>
    </message>
    <message>
        <source>Username (needed for decoding the archive file):</source>
        <translation>Имя пользователя (нужно для расшифровки файла архива):</translation>
    </message>
    <message>
        <source>Username of the friend:</source>
        <translation>Имя пользователя собеседника:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>(multiple files)</source>
        <translation>(несколько файлов)</translation>
    </message>
    <message>
        <source>Error: please select at least one file.</source>
        <translation>Ошибка: выберите хотя бы один файл.</translation>
    </message>
</context>
<context>
    <name>orvex::TfrmSaveDir</name>
    <message>
        <source>Save conversations to HTML files</source>
        <translation>Сохранить беседы в файлы HTML</translation>
    </message>
    <message>
        <source>Save conversations to plain text files</source>
        <translation>Сохранить беседы в текстовые файлы</translation>
    </message>
    <message>
        <source>Selected conversations</source>
        <translation>Выбранные беседы</translation>
    </message>
    <message>
        <source>Selected contacts</source>
        <translation>Выбранные контакты</translation>
    </message>
    <message>
        <source>All the archive</source>
        <translation>Весь архив</translation>
    </message>
    <message>
        <source>Output directory</source>
        <translation>Папка для сохранения</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>orvex::ViewerPanel</name>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>Bold, italic, underline</source>
        <translation>Полужирный, курсив, подчёркивание</translation>
    </message>
    <message>
        <source>Fonts and colors</source>
        <translation>Шрифты и цвета</translation>
    </message>
    <message>
        <source>Smileys images</source>
        <translation>Изображения смайликов</translation>
    </message>
    <message>
        <source>Raw</source>
        <translation>Исходный текст</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Тема</translation>
    </message>
    <message>
        <source>Conversation page</source>
        <translation>Страница беседы</translation>
    </message>
    <message>
        <source>The conversations chosen in the list</source>
        <translation>Беседы, выбранные в списке</translation>
    </message>
</context>
</TS>
