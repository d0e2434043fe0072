<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Core</name>
    <message>
        <source>Please choose an output directory first.</source>
        <translation>Bitte wählen Sie zuerst ein Ausgabeverzeichnis.</translation>
    </message>
    <message>
        <source>Cannot open clipboard</source>
        <translation>Die Zwischenablage kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>The page could not be printed</source>
        <translation>Die Seite konnte nicht gedruckt werden</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
    <message>
        <source>Select a directory to save the files.</source>
        <translation>Wählen Sie ein Verzeichnis zum Speichern der Dateien.</translation>
    </message>
    <message>
        <source>Yahoo Messenger dat files (*.dat)</source>
        <translation>DAT-Dateien von Yahoo Messenger (*.dat)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>Zugriff auf die Datei verweigert</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Aktiviert</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Deaktiviert</translation>
    </message>
    <message>
        <source>Show all</source>
        <translation>Alle anzeigen</translation>
    </message>
    <message>
        <source>Favorite conversations</source>
        <translation>Favorisierte Unterhaltungen</translation>
    </message>
    <message>
        <source>Yahoo ID: </source>
        <translation>Yahoo ID: </translation>
    </message>
    <message>
        <source>Yahoo ID: multiple</source>
        <translation>Yahoo ID: mehrere</translation>
    </message>
    <message>
        <source>Local user</source>
        <translation>Lokaler Benutzer</translation>
    </message>
    <message>
        <source>Friend</source>
        <translation>Freund</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Gesamt</translation>
    </message>
    <message>
        <source>messages</source>
        <translation>Nachrichten</translation>
    </message>
    <message>
        <source>words</source>
        <translation>Wörter</translation>
    </message>
    <message>
        <source>bytes</source>
        <translation>Bytes</translation>
    </message>
    <message>
        <source>avg words/message</source>
        <translation>Ø Wörter/Nachricht</translation>
    </message>
    <message>
        <source>avg word length</source>
        <translation>Ø Wortlänge</translation>
    </message>
    <message>
        <source>avg bytes/message</source>
        <translation>Ø Bytes/Nachricht</translation>
    </message>
    <message>
        <source>conversations started</source>
        <translation>begonnene Unterhaltungen</translation>
    </message>
    <message>
        <source>Identity</source>
        <translation>Identität</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Beginn</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Wörter</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Filename</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>Rang</translation>
    </message>
</context>
<context>
    <name>ExportActions</name>
    <message>
        <source>HTML file (*.html);;All files (*)</source>
        <translation>HTML-Datei (*.html);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Text file (*.txt);;All files (*)</source>
        <translation>Textdatei (*.txt);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Saving conversations...</source>
        <translation>Unterhaltungen werden gespeichert...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>FileActions</name>
    <message>
        <source>Select a directory from which to read the archive.</source>
        <translation>Wählen Sie das Verzeichnis, aus dem das Archiv gelesen werden soll.</translation>
    </message>
    <message>
        <source>Select another archive folder to read with the one shown.</source>
        <translation>Wählen Sie einen weiteren Archivordner, der zusammen mit dem angezeigten gelesen werden soll.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete %1 files?<byte value="xd"/>
</source>
        <translation>Möchten Sie die %1 Dateien wirklich löschen?<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Are you sure you want to delete %1 files permanently?<byte value="xd"/>
</source>
        <translation>Möchten Sie die %1 Dateien wirklich endgültig löschen?<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>There is no trash here: they are deleted for good.</source>
        <translation>Hier gibt es keinen Papierkorb: Sie werden endgültig gelöscht.</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>Bestätigung</translation>
    </message>
    <message>
        <source>1 file cannot be moved to the trash. Delete it permanently?</source>
        <translation>1 Datei kann nicht in den Papierkorb verschoben werden. Endgültig löschen?</translation>
    </message>
    <message>
        <source>%1 files cannot be moved to the trash. Delete them permanently?</source>
        <translation>%1 Dateien können nicht in den Papierkorb verschoben werden. Endgültig löschen?</translation>
    </message>
    <message>
        <source>They are moved to the trash, from where they can be restored.</source>
        <translation>Sie werden in den Papierkorb verschoben und können von dort wiederhergestellt werden.</translation>
    </message>
</context>
<context>
    <name>HelpActions</name>
    <message>
        <source>The guide was not found. It belongs in
%1

Installing the program again puts it back.</source>
        <translation>Die Anleitung wurde nicht gefunden. Sie gehört in
%1

Durch eine Neuinstallation des Programms wird sie wiederhergestellt.</translation>
    </message>
</context>
<context>
    <name>KeepActions</name>
    <message>
        <source>Save conversations as a website</source>
        <translation>Unterhaltungen als Website speichern</translation>
    </message>
    <message>
        <source>Save conversations as JSON files</source>
        <translation>Unterhaltungen als JSON-Dateien speichern</translation>
    </message>
    <message>
        <source>All conversations listed</source>
        <translation>Alle aufgelisteten Unterhaltungen</translation>
    </message>
    <message>
        <source>Only selected</source>
        <translation>Nur ausgewählte</translation>
    </message>
    <message>
        <source>Selected contacts</source>
        <translation>Ausgewählte Kontakte</translation>
    </message>
    <message>
        <source>The website has been saved in
%1

Open it now?</source>
        <translation>Die Website wurde gespeichert in
%1

Jetzt öffnen?</translation>
    </message>
    <message>
        <source>Save as website</source>
        <translation>Als Website speichern</translation>
    </message>
</context>
<context>
    <name>PrintActions</name>
    <message>
        <source>%1 conversations printed out of %2</source>
        <translation>%1 von %2 Unterhaltungen gedruckt</translation>
    </message>
</context>
<context>
    <name>orvex::ContactTreePanel</name>
    <message>
        <source>No message archives were found in this folder.

To choose the folder that holds them, click the &quot;...&quot; button beside the path box, or choose &quot;Open message archive folder...&quot; in the File menu.</source>
        <translation>In diesem Ordner wurden keine Nachrichtenarchive gefunden.

Um den Ordner auszuwählen, der sie enthält, klicken Sie auf die Schaltfläche &quot;...&quot; neben dem Pfadfeld oder wählen Sie im Menü Datei &quot;Nachrichtenarchiv-Ordner öffnen...&quot;.</translation>
    </message>
    <message>
        <source>Message archiving: </source>
        <translation>Nachrichtenarchivierung: </translation>
    </message>
    <message>
        <source>Filter:</source>
        <translation>Filter:</translation>
    </message>
    <message>
        <source>Also read: 1 more archive folder</source>
        <translation>Ebenfalls gelesen: 1 weiterer Archivordner</translation>
    </message>
    <message>
        <source>Also read: %1 more archive folders</source>
        <translation>Ebenfalls gelesen: %1 weitere Archivordner</translation>
    </message>
    <message>
        <source> (%1 gone or without archives, left out)</source>
        <translation> (%1 nicht mehr vorhanden oder ohne Archive, ausgelassen)</translation>
    </message>
    <message>
        <source>Missing:
</source>
        <translation>Fehlend:
</translation>
    </message>
    <message>
        <source>Read with:
</source>
        <translation>Mitgelesen:
</translation>
    </message>
    <message>
        <source>Message archiving: click to switch it</source>
        <translation>Nachrichtenarchivierung: zum Umschalten klicken</translation>
    </message>
    <message>
        <source>Archive folder</source>
        <translation>Archivordner</translation>
    </message>
    <message>
        <source>The folder the message archives are read from</source>
        <translation>Der Ordner, aus dem die Nachrichtenarchive gelesen werden</translation>
    </message>
    <message>
        <source>Choose the archive folder</source>
        <translation>Archivordner wählen</translation>
    </message>
    <message>
        <source>Identities and contacts</source>
        <translation>Identitäten und Kontakte</translation>
    </message>
    <message>
        <source>Filter contacts</source>
        <translation>Kontakte filtern</translation>
    </message>
    <message>
        <source>enabled</source>
        <translation>aktiviert</translation>
    </message>
</context>
<context>
    <name>orvex::FindBar</name>
    <message>
        <source>Find in view</source>
        <translation>In der Ansicht suchen</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Nicht gefunden</translation>
    </message>
</context>
<context>
    <name>orvex::ListPanel</name>
    <message>
        <source>Search</source>
        <translation>Suche</translation>
    </message>
    <message>
        <source>Conversations</source>
        <translation>Unterhaltungen</translation>
    </message>
    <message>
        <source>Search: </source>
        <translation>Suche: </translation>
    </message>
    <message>
        <source>Search text</source>
        <translation>Suchtext</translation>
    </message>
    <message>
        <source>Searches the conversations listed for this text</source>
        <translation>Sucht diesen Text in den aufgelisteten Unterhaltungen</translation>
    </message>
    <message>
        <source>Conversation list tabs</source>
        <translation>Registerkarten der Unterhaltungsliste</translation>
    </message>
</context>
<context>
    <name>orvex::LongActionRunner</name>
    <message>
        <source>%1 files processed out of %2</source>
        <translation>%1 von %2 Dateien verarbeitet</translation>
    </message>
    <message>
        <source>%1 files searched out of %2</source>
        <translation>%1 von %2 Dateien durchsucht</translation>
    </message>
    <message>
        <source>%1 files saved out of %2</source>
        <translation>%1 von %2 Dateien gespeichert</translation>
    </message>
</context>
<context>
    <name>orvex::StatisticsPanel</name>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Messages, words and bytes of the conversations shown</source>
        <translation>Nachrichten, Wörter und Bytes der angezeigten Unterhaltungen</translation>
    </message>
</context>
<context>
    <name>orvex::TfrmAbout</name>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Messenger Archive Viewer </source>
        <translation>Messenger Archive Viewer </translation>
    </message>
    <message>
        <source>Version 1.02</source>
        <translation>Version 1.02</translation>
    </message>
    <message>
        <source>Free to use and to share; provided as is, without warranty.</source>
        <translation>Frei nutzbar und weitergebbar; Bereitstellung wie besehen, ohne Gewährleistung.</translation>
    </message>
    <message>
        <source>Homepage:</source>
        <translation>Homepage:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>orvex::TfrmMain</name>
    <message>
        <source>Open message archive folder...</source>
        <translation>Nachrichtenarchiv-Ordner öffnen...</translation>
    </message>
    <message>
        <source>Open .dat file...</source>
        <translation>.dat-Datei öffnen...</translation>
    </message>
    <message>
        <source>Add archive folder...</source>
        <translation>Archivordner hinzufügen...</translation>
    </message>
    <message>
        <source>Remove added archive folders</source>
        <translation>Hinzugefügte Archivordner entfernen</translation>
    </message>
    <message>
        <source>Save as HTML...</source>
        <translation>Als HTML speichern...</translation>
    </message>
    <message>
        <source>Save as text...</source>
        <translation>Als Text speichern...</translation>
    </message>
    <message>
        <source>Save as individual HTML files...</source>
        <translation>Als einzelne HTML-Dateien speichern...</translation>
    </message>
    <message>
        <source>Save as individual text files...</source>
        <translation>Als einzelne Textdateien speichern...</translation>
    </message>
    <message>
        <source>Save as website...</source>
        <translation>Als Website speichern...</translation>
    </message>
    <message>
        <source>Save as JSON files...</source>
        <translation>Als JSON-Dateien speichern...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Drucken...</translation>
    </message>
    <message>
        <source>Print preview...</source>
        <translation>Druckvorschau...</translation>
    </message>
    <message>
        <source>Page setup...</source>
        <translation>Seite einrichten...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Format toolbar</source>
        <translation>Format-Symbolleiste</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Message viewer</source>
        <translation>Nachrichtenanzeige</translation>
    </message>
    <message>
        <source>Add to favorites</source>
        <translation>Zu Favoriten hinzufügen</translation>
    </message>
    <message>
        <source>Copy to clipboard</source>
        <translation>In die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>Copy html code to clipboard</source>
        <translation>HTML-Code in die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Show in Explorer</source>
        <translation>Im Explorer anzeigen</translation>
    </message>
    <message>
        <source>Select all messages</source>
        <translation>Alle Nachrichten auswählen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Homepage</source>
        <translation>Homepage</translation>
    </message>
    <message>
        <source>Forum</source>
        <translation>Forum</translation>
    </message>
    <message>
        <source>Suggestions and bugs reports</source>
        <translation>Vorschläge und Fehlerberichte</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Über...</translation>
    </message>
    <message>
        <source>Remove from favorites</source>
        <translation>Aus Favoriten entfernen</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Conversation</source>
        <translation>&amp;Unterhaltung</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Forum</source>
        <translation>&amp;Forum</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Reading files...</source>
        <translation>Dateien werden gelesen...</translation>
    </message>
    <message>
        <source>Orvex Yahoo Message Archive Reader is currently reading archive files</source>
        <translation>Orvex Yahoo Message Archive Reader liest gerade Archivdateien</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Orvex Messenger Archive</source>
        <translation>Orvex Messenger Archive</translation>
    </message>
    <message>
        <source>Guide</source>
        <translation>Anleitung</translation>
    </message>
    <message>
        <source>Opens the guide shipped with the program</source>
        <translation>Öffnet die mitgelieferte Anleitung</translation>
    </message>
    <message>
        <source>Opens the forum in the web browser</source>
        <translation>Öffnet das Forum im Webbrowser</translation>
    </message>
    <message>
        <source>Files read</source>
        <translation>Gelesene Dateien</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Search box</source>
        <translation>Suchfeld</translation>
    </message>
    <message>
        <source>Opens a menu</source>
        <translation>Öffnet ein Menü</translation>
    </message>
    <message>
        <source>Find in view...</source>
        <translation>In der Ansicht suchen...</translation>
    </message>
    <message>
        <source>Find next</source>
        <translation>Weitersuchen</translation>
    </message>
    <message>
        <source>Find previous</source>
        <translation>Rückwärts suchen</translation>
    </message>
</context>
<context>
    <name>orvex::TfrmOpenDat</name>
    <message>
        <source>Open .dat files</source>
        <translation>.dat-Dateien öffnen</translation>
    </message>
    <message>
        <source>File (s):</source>
        <translation>Datei(en):</translation>
    </message>
    <message>
        <source>Select files</source>
        <translation>Dateien auswählen</translation>
    </message>
    <message>
        <source>Username (needed for decoding the archive file):</source>
        <translation>Benutzername (zum Entschlüsseln der Archivdatei erforderlich):</translation>
    </message>
    <message>
        <source>Username of the friend:</source>
        <translation>Benutzername des Freundes:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>(multiple files)</source>
        <translation>(mehrere Dateien)</translation>
    </message>
    <message>
        <source>Error: please select at least one file.</source>
        <translation>Fehler: Bitte wählen Sie mindestens eine Datei aus.</translation>
    </message>
</context>
<context>
    <name>orvex::TfrmSaveDir</name>
    <message>
        <source>Save conversations to HTML files</source>
        <translation>Unterhaltungen als HTML-Dateien speichern</translation>
    </message>
    <message>
        <source>Save conversations to plain text files</source>
        <translation>Unterhaltungen als reine Textdateien speichern</translation>
    </message>
    <message>
        <source>Selected conversations</source>
        <translation>Ausgewählte Unterhaltungen</translation>
    </message>
    <message>
        <source>Selected contacts</source>
        <translation>Ausgewählte Kontakte</translation>
    </message>
    <message>
        <source>All the archive</source>
        <translation>Gesamtes Archiv</translation>
    </message>
    <message>
        <source>Output directory</source>
        <translation>Ausgabeverzeichnis</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>orvex::ViewerPanel</name>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>Bold, italic, underline</source>
        <translation>Fett, kursiv, unterstrichen</translation>
    </message>
    <message>
        <source>Fonts and colors</source>
        <translation>Schriftarten und Farben</translation>
    </message>
    <message>
        <source>Smileys images</source>
        <translation>Smiley-Bilder</translation>
    </message>
    <message>
        <source>Raw</source>
        <translation>Rohformat</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Design</translation>
    </message>
    <message>
        <source>Conversation page</source>
        <translation>Unterhaltungsseite</translation>
    </message>
    <message>
        <source>The conversations chosen in the list</source>
        <translation>Die in der Liste gewählten Unterhaltungen</translation>
    </message>
</context>
</TS>
