<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>FileGridModel</name>
    <message>
        <source>Needs tags first</source>
        <translation>Benötigt zuerst Tags</translation>
    </message>
    <message>
        <source>Keeps its name: &apos;%1&apos; is already taken in this folder</source>
        <translation>Behält den Namen: „%1“ ist in diesem Ordner bereits vergeben</translation>
    </message>
    <message>
        <source>Keeps its name: &apos;%1&apos; differs only in letter case from &apos;%2&apos;</source>
        <translation>Behält den Namen: „%1“ unterscheidet sich von „%2“ nur in der Groß-/Kleinschreibung</translation>
    </message>
    <message>
        <source>Keeps its name: &apos;%1&apos; is too long for this volume</source>
        <translation>Behält den Namen: „%1“ ist für diesen Datenträger zu lang</translation>
    </message>
    <message>
        <source>Current Filename</source>
        <translation>Aktueller Dateiname</translation>
    </message>
    <message>
        <source>New Filename</source>
        <translation>Neuer Dateiname</translation>
    </message>
</context>
<context>
    <name>InterruptedRename</name>
    <message>
        <source>The last rename run or undo was cut short. What it left half done has been put right:</source>
        <translation>Die letzte Umbenennung oder deren Rückgängigmachen wurde unterbrochen. Was dabei halb erledigt blieb, wurde in Ordnung gebracht:</translation>
    </message>
    <message>
        <source>
%1 file(s) left under a temporary name were given their names.</source>
        <translation>
%1 Datei(en), die unter einem vorläufigen Namen verblieben waren, haben ihren Namen erhalten.</translation>
    </message>
    <message>
        <source>
%1 empty placeholder(s) were removed.</source>
        <translation>
%1 leere Platzhalterdatei(en) wurden entfernt.</translation>
    </message>
    <message>
        <source>Rename Interrupted</source>
        <translation>Umbenennung unterbrochen</translation>
    </message>
</context>
<context>
    <name>InterruptibleWork</name>
    <message>
        <source>Reading tags: %L1 of %L2</source>
        <translation>Tags werden gelesen: %L1 von %L2</translation>
    </message>
    <message>
        <source>Renaming: %L1 of %L2</source>
        <translation>Wird umbenannt: %L1 von %L2</translation>
    </message>
</context>
<context>
    <name>NamingConventions</name>
    <message>
        <source>Artist - Song Title</source>
        <translation>Interpret - Titel</translation>
    </message>
    <message>
        <source>Artist - Title (Year)</source>
        <translation>Interpret - Titel (Jahr)</translation>
    </message>
    <message>
        <source>Song Title - Artist</source>
        <translation>Titel - Interpret</translation>
    </message>
    <message>
        <source>Album - Artist - Song Title</source>
        <translation>Album - Interpret - Titel</translation>
    </message>
    <message>
        <source>Album - Artist - Song Title (Year)</source>
        <translation>Album - Interpret - Titel (Jahr)</translation>
    </message>
    <message>
        <source>Genre - Artist - Song Title</source>
        <translation>Genre - Interpret - Titel</translation>
    </message>
    <message>
        <source>Year - Artist - Song Title</source>
        <translation>Jahr - Interpret - Titel</translation>
    </message>
    <message>
        <source>Track - Song Title</source>
        <translation>Track - Titel</translation>
    </message>
    <message>
        <source>Artist - Album - Track - Song Title</source>
        <translation>Interpret - Album - Track - Titel</translation>
    </message>
</context>
<context>
    <name>ProductInfo</name>
    <message>
        <source>Copyright (C) Kestova.  Kestova </source>
        <translation>Copyright (C) Kestova. Kestova </translation>
    </message>
    <message>
        <source>cannot be held responsible for any damages caused by the </source>
        <translation>haftet nicht für Schäden, die direkt oder indirekt </translation>
    </message>
    <message>
        <source>usage of this software either directly or otherwise.</source>
        <translation>durch die Nutzung dieser Software entstehen.</translation>
    </message>
    <message>
        <source>Thank you for keeping your music tidy with Sorvane.</source>
        <translation>Danke, dass Sie Ihre Musik mit Sorvane in Ordnung halten.</translation>
    </message>
</context>
<context>
    <name>RenameRun</name>
    <message>
        <source>%1 file(s) would keep their names because the new name is already in use.
</source>
        <translation>%1 Datei(en) würden ihren Namen behalten, weil der neue Name bereits vergeben ist.
</translation>
    </message>
    <message>
        <source>%1 file(s) would keep their names because the new name is too long for this volume.
</source>
        <translation>%1 Datei(en) würden ihren Namen behalten, weil der neue Name für diesen Datenträger zu lang ist.
</translation>
    </message>
    <message>
        <source>Rename All Files?</source>
        <translation>Alle Dateien umbenennen?</translation>
    </message>
    <message>
        <source>Are you sure you wish to proceed?  This will rename all of the 
MP3 files as they appear in the grid on the screen.</source>
        <translation>Möchten Sie wirklich fortfahren? Damit werden alle 
MP3-Dateien so umbenannt, wie sie in der Tabelle auf dem Bildschirm stehen.</translation>
    </message>
    <message>
        <source>Unable to Proceed</source>
        <translation>Fortfahren nicht möglich</translation>
    </message>
    <message>
        <source>Please select an MP3 file to rename.</source>
        <translation>Bitte wählen Sie eine MP3-Datei zum Umbenennen aus.</translation>
    </message>
    <message>
        <source>Please Select Only MP3 Files</source>
        <translation>Bitte nur MP3-Dateien auswählen</translation>
    </message>
    <message>
        <source>Some of the file(s) selected were not MP3 files.  These files will not be processed.</source>
        <translation>Einige der ausgewählten Dateien sind keine MP3-Dateien. Diese Dateien werden nicht verarbeitet.</translation>
    </message>
    <message>
        <source>ID3 Tags Required</source>
        <translation>ID3-Tags erforderlich</translation>
    </message>
    <message>
        <source>Some of the file(s) selected are missing certain ID3 tags.  Do you wish to add these in now?

The file(s) will only be renamed once it has all required tags.</source>
        <translation>Bei einigen der ausgewählten Dateien fehlen bestimmte ID3-Tags. Möchten Sie diese jetzt ergänzen?

Eine Datei wird erst umbenannt, wenn sie alle erforderlichen Tags hat.</translation>
    </message>
    <message>
        <source>The run was stopped: %L1 of %L2 files were renamed.
</source>
        <translation>Der Vorgang wurde abgebrochen: %L1 von %L2 Dateien wurden umbenannt.
</translation>
    </message>
    <message>
        <source>Files have been renamed as listed in the list displayed on the screen.
</source>
        <translation>Die Dateien wurden so umbenannt, wie es die Liste auf dem Bildschirm zeigt.
</translation>
    </message>
    <message>
        <source>%1 file(s) could not be renamed.
</source>
        <translation>%1 Datei(en) konnten nicht umbenannt werden.
</translation>
    </message>
    <message>
        <source>Undo will not be available for this run.
</source>
        <translation>Dieser Vorgang kann nicht rückgängig gemacht werden.
</translation>
    </message>
    <message>
        <source>Rename Complete!</source>
        <translation>Umbenennung abgeschlossen!</translation>
    </message>
    <message>
        <source>Do you wish to rename more files?</source>
        <translation>Möchten Sie weitere Dateien umbenennen?</translation>
    </message>
</context>
<context>
    <name>ShellActions</name>
    <message>
        <source>Cannot Launch MP3</source>
        <translation>MP3-Datei kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Unable to launch MP3 file for previewing.</source>
        <translation>Die MP3-Datei kann nicht zum Probehören geöffnet werden.</translation>
    </message>
</context>
<context>
    <name>UndoLastRename</name>
    <message>
        <source>in &quot;%1&quot;</source>
        <translation>in „%1“</translation>
    </message>
    <message>
        <source>in %1 folders under &quot;%2&quot;</source>
        <translation>in %1 Ordnern unter „%2“</translation>
    </message>
    <message>
        <source>the rename run of %1</source>
        <translation>der Umbenennung vom %1</translation>
    </message>
    <message>
        <source>the last rename run</source>
        <translation>der letzten Umbenennung</translation>
    </message>
    <message>
        <source>Undo Last Rename?</source>
        <translation>Letzte Umbenennung rückgängig machen?</translation>
    </message>
    <message>
        <source>This will give %1 file(s) %2 back the names they had before %3.</source>
        <translation>Damit erhalten %1 Datei(en) %2 die Namen zurück, die sie vor %3 hatten.</translation>
    </message>
    <message>
        <source>Undo Last Rename</source>
        <translation>Letzte Umbenennung rückgängig machen</translation>
    </message>
    <message>
        <source>The last rename run renamed no files: there is nothing to undo.</source>
        <translation>Bei der letzten Umbenennung wurde keine Datei umbenannt: Es gibt nichts rückgängig zu machen.</translation>
    </message>
    <message>
        <source>%1 file(s) have their old names again.</source>
        <translation>%1 Datei(en) haben wieder ihre alten Namen.</translation>
    </message>
    <message>
        <source>
%1 file(s) could not be given their old names.</source>
        <translation>
%1 Datei(en) konnten ihre alten Namen nicht zurückerhalten.</translation>
    </message>
    <message>
        <source>
%1 file(s) were left alone: they are no longer the files that were renamed.</source>
        <translation>
%1 Datei(en) wurden nicht angetastet: Es sind nicht mehr die Dateien, die umbenannt wurden.</translation>
    </message>
    <message>
        <source>Undo Complete</source>
        <translation>Umbenennung rückgängig gemacht</translation>
    </message>
    <message>
        <source>The record of the last rename run cannot be read, so no file was renamed.</source>
        <translation>Das Protokoll der letzten Umbenennung kann nicht gelesen werden, daher wurde keine Datei umbenannt.</translation>
    </message>
    <message>
        <source>
It has been set aside as &quot;%1&quot;.</source>
        <translation>
Es wurde als „%1“ beiseitegelegt.</translation>
    </message>
</context>
<context>
    <name>frmEditID3Tags</name>
    <message>
        <source>Edit ID3 Tag Information</source>
        <translation>ID3-Tag-Informationen bearbeiten</translation>
    </message>
    <message>
        <source>Error Getting Information</source>
        <translation>Fehler beim Abrufen der Informationen</translation>
    </message>
    <message>
        <source>Unable to get file information.  Please close the application and re-try.</source>
        <translation>Die Dateiinformationen konnten nicht abgerufen werden. Bitte schließen Sie das Programm und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>MP3 Information</source>
        <translation>MP3-Informationen</translation>
    </message>
    <message>
        <source>&amp;Save Tags</source>
        <translation>Tags &amp;speichern</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Enter the ID3 tag information for the file: </source>
        <translation>Geben Sie die ID3-Tag-Informationen für diese Datei ein: </translation>
    </message>
    <message>
        <source>Click to preview file</source>
        <translation>Klicken, um in die Datei hineinzuhören</translation>
    </message>
    <message>
        <source>Players show this file&apos;s ID3v2 tag; tick Tools &gt; Read ID3v2 Tags to edit it.</source>
        <translation>Player zeigen das ID3v2-Tag dieser Datei an; aktivieren Sie Extras &gt; ID3v2-Tags lesen, um es zu bearbeiten.</translation>
    </message>
    <message>
        <source>Genre</source>
        <translation>Genre</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>Track</source>
        <translation>Track</translation>
    </message>
    <message>
        <source>Album</source>
        <translation>Album</translation>
    </message>
    <message>
        <source>Song Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Artist</source>
        <translation>Interpret</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Kommentar</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keines</translation>
    </message>
    <message>
        <source>The ID3 tag could not be written to %1: its volume does not let a file be replaced, so the longer tag cannot be written safely.</source>
        <translation>Das ID3-Tag konnte nicht in %1 geschrieben werden: Der Datenträger erlaubt nicht, eine Datei zu ersetzen, daher kann das längere Tag nicht sicher geschrieben werden.</translation>
    </message>
    <message>
        <source>The ID3 tag could not be written to %1.</source>
        <translation>Das ID3-Tag konnte nicht in %1 geschrieben werden.</translation>
    </message>
    <message>
        <source>Unable to Save Tags</source>
        <translation>Tags können nicht gespeichert werden</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>&amp;Edit ID3 Tag</source>
        <translation>ID3-Tag &amp;bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Listen to File</source>
        <translation>Datei &amp;anhören</translation>
    </message>
    <message>
        <source>&amp;Explore</source>
        <translation>Im Dateimanager ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Refresh Directory Contents</source>
        <translation>Verzeichnisinhalt &amp;aktualisieren</translation>
    </message>
</context>
<context>
    <name>frmNamePattern</name>
    <message>
        <source>The pattern needs at least one field, such as &lt;Title&gt;.</source>
        <translation>Das Muster braucht mindestens ein Feld, etwa &lt;Title&gt;.</translation>
    </message>
    <message>
        <source>A file name cannot hold &quot;/&quot;.</source>
        <translation>Ein Dateiname darf kein „/“ enthalten.</translation>
    </message>
    <message>
        <source>&lt;%1&gt; is not one of the fields.</source>
        <translation>&lt;%1&gt; ist keines der Felder.</translation>
    </message>
    <message>
        <source>Own Naming Pattern</source>
        <translation>Eigenes Namensmuster</translation>
    </message>
    <message>
        <source>&amp;Pattern:</source>
        <translation>&amp;Muster:</translation>
    </message>
    <message>
        <source>Fields: &lt;Artist&gt; &lt;Title&gt; &lt;Album&gt; &lt;Year&gt; &lt;Genre&gt; &lt;Track&gt;; other text stays as typed.</source>
        <translation>Felder: &lt;Artist&gt; &lt;Title&gt; &lt;Album&gt; &lt;Year&gt; &lt;Genre&gt; &lt;Track&gt;; anderer Text bleibt, wie er getippt wurde.</translation>
    </message>
    <message>
        <source>New name:</source>
        <translation>Neuer Name:</translation>
    </message>
    <message>
        <source>(no file is listed)</source>
        <translation>(keine Datei aufgelistet)</translation>
    </message>
</context>
<context>
    <name>frmSelectFiles</name>
    <message>
        <source>Retrieving list of files, please wait...</source>
        <translation>Dateiliste wird ermittelt, bitte warten...</translation>
    </message>
    <message>
        <source>Listing stopped: %L1 of %L2 files listed.</source>
        <translation>Auflistung abgebrochen: %L1 von %L2 Dateien aufgelistet.</translation>
    </message>
    <message>
        <source>%1 files listed in %2 folders.</source>
        <translation>%1 Dateien in %2 Ordnern aufgelistet.</translation>
    </message>
    <message>
        <source>%1 files listed.</source>
        <translation>%1 Dateien aufgelistet.</translation>
    </message>
    <message>
        <source>Own Pattern...</source>
        <translation>Eigenes Muster...</translation>
    </message>
    <message>
        <source>Directory to Scan</source>
        <translation>Zu durchsuchendes Verzeichnis</translation>
    </message>
    <message>
        <source>&amp;Scan Directory for MP3 Files</source>
        <translation>Verzeichnis nach MP3-Dateien durch&amp;suchen</translation>
    </message>
    <message>
        <source>Select a directory containing MP3 files to tag/rename.</source>
        <translation>Wählen Sie ein Verzeichnis mit MP3-Dateien zum Taggen/Umbenennen aus.</translation>
    </message>
    <message>
        <source>File Naming Convention</source>
        <translation>Namensschema für Dateien</translation>
    </message>
    <message>
        <source>Select a naming convention to use for the MP3 files listed below.</source>
        <translation>Wählen Sie das Namensschema für die unten aufgeführten MP3-Dateien.</translation>
    </message>
    <message>
        <source>&amp;Force Tag Edit</source>
        <translation>Tag-Bearbeitung &amp;erzwingen</translation>
    </message>
    <message>
        <source>Setting this checkbox will force an automatic re-tagging of the ID3 tags for all files listed in the grid below.</source>
        <translation>Ist dieses Kästchen aktiviert, wird für alle unten in der Tabelle aufgeführten Dateien eine erneute Bearbeitung der ID3-Tags erzwungen.</translation>
    </message>
    <message>
        <source>Process Files</source>
        <translation>Dateien verarbeiten</translation>
    </message>
    <message>
        <source>&amp;Rename All Files</source>
        <translation>Alle Dateien &amp;umbenennen</translation>
    </message>
    <message>
        <source>Begin renaming the files as shown above.</source>
        <translation>Die Dateien wie oben angezeigt umbenennen.</translation>
    </message>
    <message>
        <source>Current Directory:</source>
        <translation>Aktuelles Verzeichnis:</translation>
    </message>
    <message>
        <source>Explore the contents of this directory.</source>
        <translation>Den Inhalt dieses Verzeichnisses im Dateimanager anzeigen.</translation>
    </message>
    <message>
        <source>Files and their new names</source>
        <translation>Dateien und ihre neuen Namen</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Scan Directory</source>
        <translation>Verzeichnis durch&amp;suchen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>E&amp;xtras</translation>
    </message>
    <message>
        <source>Re&amp;fresh Directory</source>
        <translation>Verzeichnis &amp;aktualisieren</translation>
    </message>
    <message>
        <source>&amp;Undo Last Rename</source>
        <translation>Letzte Umbenennung &amp;rückgängig machen</translation>
    </message>
    <message>
        <source>Read &amp;ID3v2 Tags</source>
        <translation>&amp;ID3v2-Tags lesen</translation>
    </message>
    <message>
        <source>Include &amp;Subfolders</source>
        <translation>Unter&amp;ordner einbeziehen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber Sorvane</translation>
    </message>
    <message>
        <source>&amp;Suggest New Features</source>
        <translation>Neue Funktionen &amp;vorschlagen</translation>
    </message>
    <message>
        <source>&amp;Sorvane on the Web</source>
        <translation>Sorvane im &amp;Web</translation>
    </message>
    <message>
        <source>Select a directory to scan for MP3 files.</source>
        <translation>Wählen Sie ein Verzeichnis, das nach MP3-Dateien durchsucht werden soll.</translation>
    </message>
</context>
</TS>
