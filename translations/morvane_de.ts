<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>Renames a batch of files in one directory in one pass, with a preview and undo.
Files named here start out chosen, as if selected with &quot;Select &quot;; one directory
named alone is where &quot;Select &quot; opens.</source>
        <translation>Benennt viele Dateien eines Ordners in einem Durchgang um, mit Vorschau und Rückgängig.
Hier genannte Dateien sind gleich ausgewählt, als wären sie mit „Auswählen“ gewählt;
ein allein genannter Ordner ist der, in dem sich „Auswählen“ öffnet.</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Zeigt die Hilfe zu den Befehlszeilenoptionen an.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>DATEI</translation>
    </message>
    <message>
        <source>Files of one directory to rename, or one directory.</source>
        <translation>Umzubenennende Dateien eines Ordners, oder ein Ordner.</translation>
    </message>
    <message>
        <source>[FILE...]</source>
        <translation>[DATEI...]</translation>
    </message>
    <message>
        <source>The full help (HTML, also on F1): %1</source>
        <translation>Die vollständige Hilfe (HTML, auch mit F1): %1</translation>
    </message>
    <message>
        <source>License GPL-3.0-or-later: free software under the GNU General Public License, version 3 or later, without any warranty.</source>
        <translation>Lizenz GPL-3.0-or-later: freie Software unter der GNU General Public License, Version 3 oder später, ohne jede Gewährleistung.</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Morvane Help</source>
        <translation>Morvane-Hilfe</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>number added</source>
        <translation>Nummer angefügt</translation>
    </message>
    <message>
        <source>keeps its name</source>
        <translation>behält den Namen</translation>
    </message>
    <message>
        <source>skipped</source>
        <translation>übersprungen</translation>
    </message>
    <message>
        <source>hidden</source>
        <translation>versteckt</translation>
    </message>
    <message>
        <source>%1, hidden</source>
        <translation>%1, versteckt</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>1 file will be renamed</source>
        <translation>1 Datei wird umbenannt</translation>
    </message>
    <message numerus="yes">
        <source>%n files will be renamed</source>
        <translation>
            <numerusform>%n Datei wird umbenannt</numerusform>
            <numerusform>%n Dateien werden umbenannt</numerusform>
        </translation>
    </message>
    <message>
        <source>1 keeps its name</source>
        <translation>1 behält den Namen</translation>
    </message>
    <message numerus="yes">
        <source>%n keep their names</source>
        <translation>
            <numerusform>%n behält den Namen</numerusform>
            <numerusform>%n behalten ihre Namen</numerusform>
        </translation>
    </message>
    <message>
        <source>1 will be skipped</source>
        <translation>1 wird übersprungen</translation>
    </message>
    <message numerus="yes">
        <source>%n will be skipped</source>
        <translation>
            <numerusform>%n wird übersprungen</numerusform>
            <numerusform>%n werden übersprungen</numerusform>
        </translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>Only the first %1 files are covered.</source>
        <translation>Nur die ersten %1 Dateien werden berücksichtigt.</translation>
    </message>
    <message>
        <source>1 new name begins with a dot and will be hidden.</source>
        <translation>1 neuer Name beginnt mit einem Punkt und wird versteckt.</translation>
    </message>
    <message numerus="yes">
        <source>%n new names begin with a dot and will be hidden.</source>
        <translation>
            <numerusform>%n neuer Name beginnt mit einem Punkt und wird versteckt.</numerusform>
            <numerusform>%n neue Namen beginnen mit einem Punkt und werden versteckt.</numerusform>
        </translation>
    </message>
    <message>
        <source>Error # %1</source>
        <translation>Fehler Nr. %1</translation>
    </message>
    <message>
        <source>Some Files Were Skipped</source>
        <translation>Einige Dateien wurden übersprungen</translation>
    </message>
    <message>
        <source>under review</source>
        <translation>in Prüfung</translation>
    </message>
    <message>
        <source>accepted</source>
        <translation>übernommen</translation>
    </message>
    <message>
        <source>partly undone</source>
        <translation>teilweise rückgängig gemacht</translation>
    </message>
    <message>
        <source>undone</source>
        <translation>rückgängig gemacht</translation>
    </message>
    <message>
        <source>unfinished</source>
        <translation>unvollendet</translation>
    </message>
    <message>
        <source>no date taken: date modified used</source>
        <translation>kein Aufnahmedatum: Änderungsdatum verwendet</translation>
    </message>
    <message>
        <source>%1, no date taken: date modified used</source>
        <translation>%1, kein Aufnahmedatum: Änderungsdatum verwendet</translation>
    </message>
    <message>
        <source>The folder at %1 holds none of the files renamed there; nothing was changed, the pass stays in the history.</source>
        <translation>Der Ordner %1 enthält keine der dort umbenannten Dateien; es wurde nichts geändert, der Durchgang bleibt im Verlauf.</translation>
    </message>
    <message>
        <source>1 already had its old name.</source>
        <translation>1 hatte ihren alten Namen schon.</translation>
    </message>
    <message numerus="yes">
        <source>%n already had their old names.</source>
        <translation>
            <numerusform>%n hatte ihren alten Namen schon.</numerusform>
            <numerusform>%n hatten ihre alten Namen schon.</numerusform>
        </translation>
    </message>
    <message>
        <source>Not found: %1; the pass keeps them for a later undo.</source>
        <translation>Nicht gefunden: %1; der Durchgang behält sie, um sie später rückgängig zu machen.</translation>
    </message>
    <message>
        <source>Renamed again by a later pass: %1. Undo that one first.</source>
        <translation>Von einem späteren Durchgang erneut umbenannt: %1. Machen Sie zuerst diesen rückgängig.</translation>
    </message>
    <message>
        <source>Not given back yet: %1, whose old names are held by files a rename cut short may have left: %2. Remove those that are not yours, then undo again.</source>
        <translation>Noch nicht zurückgegeben: %1, weil ihre alten Namen von Dateien belegt sind, die eine abgebrochene Umbenennung hinterlassen haben könnte: %2. Entfernen Sie die, die nicht Ihnen gehören, und machen Sie es dann erneut rückgängig.</translation>
    </message>
    <message>
        <source>These files may be left from a rename that was cut short: %1. Remove those that are not yours.</source>
        <translation>Diese Dateien könnten von einer abgebrochenen Umbenennung übrig sein: %1. Entfernen Sie die, die nicht Ihnen gehören.</translation>
    </message>
    <message>
        <source>skipped: its date could not be read</source>
        <translation>übersprungen: Datum nicht lesbar</translation>
    </message>
    <message>
        <source>skipped: this folder&apos;s file system refuses the name &quot;%1&quot;</source>
        <translation>übersprungen: das Dateisystem dieses Ordners lehnt den Namen „%1“ ab</translation>
    </message>
</context>
<context>
    <name>Status</name>
    <message>
        <source>this folder</source>
        <translation>diesem Ordner</translation>
    </message>
    <message>
        <source>Change it with Options &gt; Set Options.</source>
        <translation>Ändern Sie es unter Optionen &gt; Optionen festlegen.</translation>
    </message>
    <message>
        <source>The prefix holds &quot;/&quot;, which no file name may contain.</source>
        <translation>Das Präfix enthält „/“, das in keinem Dateinamen stehen darf.</translation>
    </message>
    <message>
        <source>The suffix holds &quot;/&quot;, which no file name may contain.</source>
        <translation>Das Suffix enthält „/“, das in keinem Dateinamen stehen darf.</translation>
    </message>
    <message>
        <source>The prefix holds a NUL character, which no file name may contain.</source>
        <translation>Das Präfix enthält ein NUL-Zeichen, das in keinem Dateinamen stehen darf.</translation>
    </message>
    <message>
        <source>The suffix holds a NUL character, which no file name may contain.</source>
        <translation>Das Suffix enthält ein NUL-Zeichen, das in keinem Dateinamen stehen darf.</translation>
    </message>
    <message>
        <source>A new name would be empty. Set a prefix or a suffix, or choose another mask.</source>
        <translation>Ein neuer Name wäre leer. Legen Sie ein Präfix oder Suffix fest, oder wählen Sie eine andere Maske.</translation>
    </message>
    <message>
        <source>A new name would be &quot;%1&quot;, which names a folder, not a file. Choose another mask.</source>
        <translation>Ein neuer Name wäre „%1“, was einen Ordner bezeichnet, keine Datei. Wählen Sie eine andere Maske.</translation>
    </message>
    <message>
        <source>The new name &quot;%1&quot; holds &quot;/&quot;, which no file name may contain.</source>
        <translation>Der neue Name „%1“ enthält „/“, das in keinem Dateinamen stehen darf.</translation>
    </message>
    <message>
        <source>The new name &quot;%1&quot; holds a NUL character, which no file name may contain.</source>
        <translation>Der neue Name „%1“ enthält ein NUL-Zeichen, das in keinem Dateinamen stehen darf.</translation>
    </message>
    <message>
        <source>The new name &quot;%1&quot; holds a character that no file name can store.</source>
        <translation>Der neue Name „%1“ enthält ein Zeichen, das kein Dateiname speichern kann.</translation>
    </message>
    <message>
        <source>The new name &quot;%1&quot; is longer than the 255 bytes a file name may have. Use a shorter prefix or suffix.</source>
        <translation>Der neue Name „%1“ ist länger als die 255 Bytes, die ein Dateiname haben darf. Verwenden Sie ein kürzeres Präfix oder Suffix.</translation>
    </message>
    <message>
        <source>A new name is not one that a file may have. Use a shorter prefix or suffix, or another mask.</source>
        <translation>Ein neuer Name ist als Dateiname nicht erlaubt. Verwenden Sie ein kürzeres Präfix oder Suffix, oder eine andere Maske.</translation>
    </message>
    <message>
        <source>The mask is not where the example name has it. Highlight it again and press Set Mask.</source>
        <translation>Die Maske steht nicht dort, wo der Beispielname sie hat. Markieren Sie sie erneut und drücken Sie „Maske festlegen“.</translation>
    </message>
    <message>
        <source>The system ran out of memory. Close other programs, then try again.</source>
        <translation>Dem System ist der Speicher ausgegangen. Schließen Sie andere Programme und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The starting number is not a number. Change it with Options &gt; Set Options.</source>
        <translation>Die Startnummer ist keine Zahl. Ändern Sie sie unter Optionen &gt; Optionen festlegen.</translation>
    </message>
    <message>
        <source>The system refused for a reason Morvane does not know. Check the folder, then try again.</source>
        <translation>Das System hat aus einem Grund abgelehnt, den Morvane nicht kennt. Prüfen Sie den Ordner und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>A renamed file is no longer in %1, so it cannot get its old name back.</source>
        <translation>Eine umbenannte Datei ist nicht mehr in %1 und kann ihren alten Namen nicht zurückerhalten.</translation>
    </message>
    <message>
        <source>A file to rename is no longer in %1. Choose the files again with Select.</source>
        <translation>Eine umzubenennende Datei ist nicht mehr in %1. Wählen Sie die Dateien mit „Auswählen“ erneut aus.</translation>
    </message>
    <message>
        <source>The disk reported an input/output error. Check the disk, then try again.</source>
        <translation>Der Datenträger meldete einen Ein-/Ausgabefehler. Prüfen Sie ihn und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>No free numbered name was found for a file. Move some files away, then try again.</source>
        <translation>Für eine Datei fand sich kein freier nummerierter Name. Verschieben Sie einige Dateien und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The disk is full. Free some space, then try again.</source>
        <translation>Der Datenträger ist voll. Geben Sie Platz frei und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Too many files are open. Close other programs, then try again.</source>
        <translation>Zu viele Dateien sind geöffnet. Schließen Sie andere Programme und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>A file would have to move to another disk, which a rename cannot do.</source>
        <translation>Eine Datei müsste auf einen anderen Datenträger wechseln, was beim Umbenennen nicht geht.</translation>
    </message>
    <message>
        <source>Morvane may not change the files in %1. Check the folder&apos;s permissions.</source>
        <translation>Morvane darf die Dateien in %1 nicht ändern. Prüfen Sie die Berechtigungen des Ordners.</translation>
    </message>
    <message>
        <source>The folder %1 is gone. Choose the files again with Select.</source>
        <translation>Der Ordner %1 ist nicht mehr da. Wählen Sie die Dateien mit „Auswählen“ erneut aus.</translation>
    </message>
    <message>
        <source>A file was left under a temporary name. Undo Last Rename gives it its old name back.</source>
        <translation>Eine Datei blieb unter einem vorläufigen Namen. „Letzte Umbenennung rückgängig“ gibt ihr den alten Namen zurück.</translation>
    </message>
    <message>
        <source>Something failed (error %1).</source>
        <translation>Etwas ist fehlgeschlagen (Fehler %1).</translation>
    </message>
    <message>
        <source>1 file was renamed.</source>
        <translation>1 Datei wurde umbenannt.</translation>
    </message>
    <message numerus="yes">
        <source>%n files were renamed.</source>
        <translation>
            <numerusform>%n Datei wurde umbenannt.</numerusform>
            <numerusform>%n Dateien wurden umbenannt.</numerusform>
        </translation>
    </message>
    <message>
        <source>Some files were skipped: they could not be renamed, or lie past the 1001st.</source>
        <translation>Einige Dateien wurden übersprungen, weil sie sich nicht umbenennen ließen oder hinter der 1001. Datei liegen.</translation>
    </message>
    <message>
        <source>Accept the new names, or Undo the changes.</source>
        <translation>Übernehmen Sie die neuen Namen, oder machen Sie die Änderungen rückgängig.</translation>
    </message>
    <message>
        <source>1 file has its old name again.</source>
        <translation>1 Datei hat wieder ihren alten Namen.</translation>
    </message>
    <message numerus="yes">
        <source>%n files have their old names again.</source>
        <translation>
            <numerusform>%n Datei hat wieder ihren alten Namen.</numerusform>
            <numerusform>%n Dateien haben wieder ihre alten Namen.</numerusform>
        </translation>
    </message>
    <message>
        <source>Some of the files handed over were left out: only files that the chooser shows, all in one folder, are taken.</source>
        <translation>Einige der übergebenen Dateien wurden ausgelassen: Nur Dateien, die die Dateiauswahl zeigt, alle aus einem Ordner, werden übernommen.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be opened: you may not read it.</source>
        <translation>Der Ordner %1 lässt sich nicht öffnen: Sie dürfen ihn nicht lesen.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be opened: it is gone.</source>
        <translation>Der Ordner %1 lässt sich nicht öffnen: Er ist nicht mehr da.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be opened: it is not a folder.</source>
        <translation>Der Ordner %1 lässt sich nicht öffnen: Er ist kein Ordner.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be opened: %2</source>
        <translation>Der Ordner %1 lässt sich nicht öffnen: %2</translation>
    </message>
    <message>
        <source>the file system of %1 is read-only</source>
        <translation>das Dateisystem von %1 ist schreibgeschützt</translation>
    </message>
    <message>
        <source>you may not change the folder %1</source>
        <translation>Sie dürfen den Ordner %1 nicht ändern</translation>
    </message>
    <message>
        <source>immutable files cannot be renamed</source>
        <translation>unveränderliche Dateien lassen sich nicht umbenennen</translation>
    </message>
    <message>
        <source>the folder %1 is marked immutable</source>
        <translation>der Ordner %1 ist als unveränderlich markiert</translation>
    </message>
    <message>
        <source>files in use cannot be renamed</source>
        <translation>Dateien, die gerade benutzt werden, lassen sich nicht umbenennen</translation>
    </message>
    <message>
        <source>this file system allows only shorter names</source>
        <translation>dieses Dateisystem erlaubt nur kürzere Namen</translation>
    </message>
    <message>
        <source>this file system does not accept a character of the new name</source>
        <translation>dieses Dateisystem akzeptiert ein Zeichen des neuen Namens nicht</translation>
    </message>
    <message>
        <source>the file system refused the rename</source>
        <translation>das Dateisystem hat die Umbenennung verweigert</translation>
    </message>
    <message>
        <source>%1 and 1 other</source>
        <translation>%1 und 1 weitere</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n others</source>
        <translation>
            <numerusform>%1 und %n weitere</numerusform>
            <numerusform>%1 und %n weitere</numerusform>
        </translation>
    </message>
    <message>
        <source>No home folder is set to keep it in (HOME).</source>
        <translation>Es ist kein persönlicher Ordner festgelegt, in dem es liegen könnte (HOME).</translation>
    </message>
    <message>
        <source>%1 is a file, where a folder is needed.</source>
        <translation>%1 ist eine Datei, an dieser Stelle wird aber ein Ordner gebraucht.</translation>
    </message>
    <message>
        <source>You may not write in %1.</source>
        <translation>Sie dürfen in %1 nicht schreiben.</translation>
    </message>
    <message>
        <source>You may not read %1.</source>
        <translation>Sie dürfen %1 nicht lesen.</translation>
    </message>
    <message>
        <source>%1 lies on a read-only file system.</source>
        <translation>%1 liegt auf einem schreibgeschützten Dateisystem.</translation>
    </message>
    <message>
        <source>The disk that holds %1 is full. Free some space, then try again.</source>
        <translation>Der Datenträger mit %1 ist voll. Geben Sie Platz frei und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Morvane cannot read the folder %1, where it keeps the renames it can undo.</source>
        <translation>Morvane kann den Ordner %1 nicht lesen, in dem es die Umbenennungen festhält, die sich rückgängig machen lassen.</translation>
    </message>
    <message>
        <source>Nothing was renamed: Morvane has no folder to keep what it needs to undo a rename.</source>
        <translation>Es wurde nichts umbenannt, weil Morvane keinen Ordner hat, um festzuhalten, was zum Rückgängigmachen nötig ist.</translation>
    </message>
    <message>
        <source>Nothing was renamed: Morvane cannot keep what it needs to undo a rename in %1.</source>
        <translation>Es wurde nichts umbenannt, weil Morvane in %1 nicht festhalten kann, was zum Rückgängigmachen nötig ist.</translation>
    </message>
    <message>
        <source>Morvane could not write to %1, where it keeps the renames it can undo.</source>
        <translation>Morvane konnte nicht in %1 schreiben, wo es die Umbenennungen festhält, die sich rückgängig machen lassen.</translation>
    </message>
    <message>
        <source>Check that it exists and can be read.</source>
        <translation>Prüfen Sie, ob er vorhanden und lesbar ist.</translation>
    </message>
    <message>
        <source>Check that it can be written.</source>
        <translation>Prüfen Sie, ob er beschreibbar ist.</translation>
    </message>
    <message>
        <source>A file could not get its old name back: %1.</source>
        <translation>Eine Datei konnte ihren alten Namen nicht zurückbekommen: %1.</translation>
    </message>
    <message>
        <source>A file could not be renamed: %1.</source>
        <translation>Eine Datei ließ sich nicht umbenennen: %1.</translation>
    </message>
    <message>
        <source>(1 with a number added)</source>
        <translation>(1 davon mit angehängter Nummer)</translation>
    </message>
    <message numerus="yes">
        <source>(%n with a number added)</source>
        <translation>
            <numerusform>(%n davon mit angehängter Nummer)</numerusform>
            <numerusform>(%n davon mit angehängter Nummer)</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file was skipped: %1 (%2).</source>
        <translation>1 Datei wurde übersprungen: %1 (%2).</translation>
    </message>
    <message numerus="yes">
        <source>%n files were skipped: %1 (%2).</source>
        <translation>
            <numerusform>%n Datei wurde übersprungen: %1 (%2).</numerusform>
            <numerusform>%n Dateien wurden übersprungen: %1 (%2).</numerusform>
        </translation>
    </message>
    <message>
        <source>No file was renamed.</source>
        <translation>Keine Datei wurde umbenannt.</translation>
    </message>
    <message>
        <source>The new name of 1 file was kept.</source>
        <translation>Der neue Name von 1 Datei wurde übernommen.</translation>
    </message>
    <message numerus="yes">
        <source>The new names of %n files were kept.</source>
        <translation>
            <numerusform>Der neue Name von %n Datei wurde übernommen.</numerusform>
            <numerusform>Die neuen Namen von %n Dateien wurden übernommen.</numerusform>
        </translation>
    </message>
    <message>
        <source>The date format is empty. Type one, such as yyyy-MM-dd_.</source>
        <translation>Das Datumsformat ist leer. Geben Sie eines ein, etwa yyyy-MM-dd_.</translation>
    </message>
    <message>
        <source>The date format holds &quot;/&quot;, which no file name may contain.</source>
        <translation>Das Datumsformat enthält „/“, das in keinem Dateinamen stehen darf.</translation>
    </message>
    <message>
        <source>The date format holds a NUL character, which no file name may contain.</source>
        <translation>Das Datumsformat enthält ein NUL-Zeichen, das in keinem Dateinamen stehen darf.</translation>
    </message>
</context>
<context>
    <name>UndoProgress</name>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Giving the files renamed in %1 their old names back...</source>
        <translation>Die in %1 umbenannten Dateien erhalten ihre alten Namen zurück...</translation>
    </message>
    <message>
        <source>Give Up</source>
        <translation>Aufgeben</translation>
    </message>
    <message>
        <source>Stopped waiting for %1. The undo goes on and reports when the folder answers.</source>
        <translation>Warten auf %1 beendet. Das Rückgängigmachen läuft weiter und meldet sich, sobald der Ordner antwortet.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Morvane is free software under the GNU General Public License, version 3 or later. It comes without any warranty.</source>
        <translation>Morvane ist freie Software unter der GNU General Public License, Version 3 oder später. Für das Programm besteht keinerlei Gewährleistung.</translation>
    </message>
    <message>
        <source>Morvane icon</source>
        <translation>Morvane-Symbol</translation>
    </message>
    <message>
        <source>Morvane  Version 2.01</source>
        <translation>Morvane  Version 2.01</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 The Morvane developers</source>
        <translation>Copyright (C) 2026 Die Morvane-Entwickler</translation>
    </message>
    <message>
        <source>A file renaming utility</source>
        <translation>Ein Werkzeug zum Umbenennen von Dateien</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>About Morvane</source>
        <translation>Über Morvane</translation>
    </message>
</context>
<context>
    <name>frmDir</name>
    <message>
        <source>Drive</source>
        <translation>Laufwerk</translation>
    </message>
    <message>
        <source>Directory</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Dateien</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Select the files to rename</source>
        <translation>Umzubenennende Dateien auswählen</translation>
    </message>
    <message>
        <source>Accept the new names, or Undo the changes</source>
        <translation>Neue Namen übernehmen oder Änderungen rückgängig machen</translation>
    </message>
</context>
<context>
    <name>frmHistory</name>
    <message>
        <source>Rename History</source>
        <translation>Umbenennungsverlauf</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Wann</translation>
    </message>
    <message>
        <source>Directory</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Dateien</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Zustand</translation>
    </message>
    <message>
        <source>Passes</source>
        <translation>Durchgänge</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>&amp;Forget...</source>
        <translation>&amp;Vergessen...</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Give the file renamed in %1 its old name back?</source>
        <translation>Der in %1 umbenannten Datei ihren alten Namen zurückgeben?</translation>
    </message>
    <message numerus="yes">
        <source>Give the %n files renamed in %1 their old names back?</source>
        <translation>
            <numerusform>Der %n in %1 umbenannten Datei ihren alten Namen zurückgeben?</numerusform>
            <numerusform>Den %n in %1 umbenannten Dateien ihre alten Namen zurückgeben?</numerusform>
        </translation>
    </message>
    <message>
        <source>Undo Last Rename</source>
        <translation>Letzte Umbenennung rückgängig</translation>
    </message>
    <message>
        <source>Morvane</source>
        <translation>Morvane</translation>
    </message>
    <message>
        <source>Morvane Version 2.01</source>
        <translation>Morvane Version 2.01</translation>
    </message>
    <message>
        <source>Select </source>
        <translation>Auswählen </translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Auswählen</translation>
    </message>
    <message>
        <source>Select the directory where you have files</source>
        <translation>Wählen Sie den Ordner mit den Dateien, die Sie</translation>
    </message>
    <message>
        <source>to rename and select the files to rename.</source>
        <translation>umbenennen möchten, und wählen Sie diese aus.</translation>
    </message>
    <message>
        <source>Filename</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>Highlight the part to keep; each file keeps its own extension</source>
        <translation>Markieren Sie den Teil, der bleiben soll; jede Datei behält ihre eigene Endung</translation>
    </message>
    <message>
        <source>Set Mask</source>
        <translation>Maske festlegen</translation>
    </message>
    <message>
        <source>Highlight one part of the above filename to keep and press</source>
        <translation>Markieren Sie oben den Teil des Namens, der bleibt, und drücken</translation>
    </message>
    <message>
        <source>Set mask button, or skip this button to number all the files.</source>
        <translation>Sie „Maske festlegen“ – oder lassen Sie es aus, um alle zu nummerieren.</translation>
    </message>
    <message>
        <source>Mask</source>
        <translation>Maske</translation>
    </message>
    <message>
        <source>If you missed a letter please add it</source>
        <translation>Fehlt ein Buchstabe, ergänzen Sie ihn bitte</translation>
    </message>
    <message>
        <source>Extract</source>
        <translation>Extrahieren</translation>
    </message>
    <message>
        <source>Edit the above mask if you missed a letter or two, then</source>
        <translation>Ergänzen Sie die Maske oben, falls Buchstaben fehlen, und</translation>
    </message>
    <message>
        <source>press extract to see what the new name will look like.</source>
        <translation>drücken Sie „Extrahieren“, um den neuen Namen zu sehen.</translation>
    </message>
    <message>
        <source>Example new filename</source>
        <translation>Beispiel des neuen Dateinamens</translation>
    </message>
    <message>
        <source>Example Filename</source>
        <translation>Beispiel-Dateiname</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>Example new filename above, if you like it press rename to</source>
        <translation>Oben steht der neue Name als Beispiel. Gefällt er, benennt</translation>
    </message>
    <message>
        <source>rename all of the files that have the mask text in their name.</source>
        <translation>„Umbenennen“ alle Dateien mit dem Maskentext im Namen um.</translation>
    </message>
    <message>
        <source>Files to rename</source>
        <translation>Umzubenennende Dateien</translation>
    </message>
    <message>
        <source>Double Click the file you want to use</source>
        <translation>Doppelklicken Sie auf die Datei, die Sie verwenden möchten</translation>
    </message>
    <message>
        <source>Prefix</source>
        <translation>Präfix</translation>
    </message>
    <message>
        <source>Suffix</source>
        <translation>Suffix</translation>
    </message>
    <message>
        <source>Starting Number</source>
        <translation>Startnummer</translation>
    </message>
    <message>
        <source>Consecutive Lettering Position</source>
        <translation>Position der fortlaufenden Buchstaben</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Preview New Names...</source>
        <translation>&amp;Vorschau der neuen Namen...</translation>
    </message>
    <message>
        <source>&amp;Undo Last Rename</source>
        <translation>Letzte Umbenennung &amp;rückgängig</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Clear Options</source>
        <translation>Optionen &amp;zurücksetzen</translation>
    </message>
    <message>
        <source>&amp;Set Options</source>
        <translation>Optionen &amp;festlegen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>About Morvane</source>
        <translation>Über Morvane</translation>
    </message>
    <message>
        <source>Rename &amp;History...</source>
        <translation>&amp;Umbenennungsverlauf...</translation>
    </message>
    <message>
        <source>Number in order of</source>
        <translation>Nummerieren nach</translation>
    </message>
    <message>
        <source>Putting the files in order: %1 of %2</source>
        <translation>Dateien werden geordnet: %1 von %2</translation>
    </message>
    <message>
        <source>Forget the rename of 1 file in %1? The file keeps the name it has now, and the rename can no longer be undone.</source>
        <translation>Die Umbenennung von 1 Datei in %1 vergessen? Die Datei behält ihren jetzigen Namen, und die Umbenennung lässt sich nicht mehr rückgängig machen.</translation>
    </message>
    <message numerus="yes">
        <source>Forget the rename of %n files in %1? The files keep the names they have now, and the rename can no longer be undone.</source>
        <translation>
            <numerusform>Die Umbenennung von %n Datei in %1 vergessen? Die Datei behält ihren jetzigen Namen, und die Umbenennung lässt sich nicht mehr rückgängig machen.</numerusform>
            <numerusform>Die Umbenennung von %n Dateien in %1 vergessen? Die Dateien behalten ihre jetzigen Namen, und die Umbenennung lässt sich nicht mehr rückgängig machen.</numerusform>
        </translation>
    </message>
    <message>
        <source>Forget Rename</source>
        <translation>Umbenennung vergessen</translation>
    </message>
    <message>
        <source>another copy of Morvane (process %1)</source>
        <translation>einer anderen Instanz von Morvane (Prozess %1)</translation>
    </message>
    <message>
        <source>another copy of Morvane</source>
        <translation>einer anderen Instanz von Morvane</translation>
    </message>
    <message>
        <source>The newest rename, in %1, is still running in %2. Wait until it ends, then undo it.</source>
        <translation>Die neueste Umbenennung, in %1, läuft noch in %2. Warten Sie, bis sie endet, und machen Sie sie dann rückgängig.</translation>
    </message>
    <message>
        <source>The newest rename, in %1, is under review in %2. Accept or undo it there first.</source>
        <translation>Die neueste Umbenennung, in %1, ist in %2 in Prüfung. Übernehmen Sie sie dort zuerst oder machen Sie sie dort rückgängig.</translation>
    </message>
    <message>
        <source>Reading the files&apos; dates: %1 of %2</source>
        <translation>Datumsangaben der Dateien werden gelesen: %1 von %2</translation>
    </message>
    <message>
        <source>Reading the chosen files: %1 of %2</source>
        <translation>Die gewählten Dateien werden gelesen: %1 von %2</translation>
    </message>
</context>
<context>
    <name>frmOptions</name>
    <message>
        <source>Prefix</source>
        <translation>Präfix</translation>
    </message>
    <message>
        <source>Suffix</source>
        <translation>Suffix</translation>
    </message>
    <message>
        <source>Starting Number</source>
        <translation>Startnummer</translation>
    </message>
    <message>
        <source>Consecutive Lettering Position</source>
        <translation>Position der fortlaufenden Buchstaben</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Vorne</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Hinten</translation>
    </message>
    <message>
        <source>Clear Options</source>
        <translation>Optionen zurücksetzen</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Morvane Options</source>
        <translation>Morvane-Optionen</translation>
    </message>
    <message>
        <source>Number in order of</source>
        <translation>Nummerieren nach</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Date Taken</source>
        <translation>Aufnahmedatum</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>Änderungsdatum</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Date in the name</source>
        <translation>Datum im Namen</translation>
    </message>
    <message>
        <source>Date format</source>
        <translation>Datumsformat</translation>
    </message>
    <message>
        <source>yyyy year, yy its last two digits, MM month, dd day, HH hour, mm minute, ss second; every other character stands for itself</source>
        <translation>yyyy Jahr, yy seine letzten zwei Ziffern, MM Monat, dd Tag, HH Stunde, mm Minute, ss Sekunde; jedes andere Zeichen steht für sich selbst</translation>
    </message>
    <message>
        <source>Number again from the starting number each day</source>
        <translation>Jeden Tag wieder ab der Startnummer nummerieren</translation>
    </message>
</context>
<context>
    <name>frmPreview</name>
    <message>
        <source>Preview New Names</source>
        <translation>Vorschau der neuen Namen</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>New Name</source>
        <translation>Neuer Name</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>New names</source>
        <translation>Neue Namen</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Umbenennen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
</context>
<context>
    <name>frmRecover</name>
    <message>
        <source>Unfinished rename</source>
        <translation>Unvollendete Umbenennung</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Keep</source>
        <translation>&amp;Behalten</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>Behalten</translation>
    </message>
    <message>
        <source>1 file</source>
        <translation>1 Datei</translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n Datei</numerusform>
            <numerusform>%n Dateien</numerusform>
        </translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>lässt sich nicht lesen</translation>
    </message>
    <message>
        <source>is incomplete</source>
        <translation>ist unvollständig</translation>
    </message>
    <message>
        <source>is damaged</source>
        <translation>ist beschädigt</translation>
    </message>
    <message>
        <source>was written by a newer version of Morvane</source>
        <translation>stammt von einer neueren Version von Morvane</translation>
    </message>
    <message>
        <source>Unfinished Rename</source>
        <translation>Unvollendete Umbenennung</translation>
    </message>
    <message>
        <source>&amp;Set Aside</source>
        <translation>&amp;Beiseitelegen</translation>
    </message>
    <message>
        <source>A rename of %1 in %2 did not finish.</source>
        <translation>Eine Umbenennung von %1 in %2 wurde nicht beendet.</translation>
    </message>
    <message>
        <source>Renaming on %1: its journal %2.</source>
        <translation>Umbenennung am %1: ihr Protokoll %2.</translation>
    </message>
    <message>
        <source>A rename: its journal %1.</source>
        <translation>Eine Umbenennung: ihr Protokoll %1.</translation>
    </message>
    <message>
        <source>Renaming in %1 on %2: its journal %3.</source>
        <translation>Umbenennung in %1 am %2: ihr Protokoll %3.</translation>
    </message>
    <message>
        <source>Renaming in %1: its journal %2.</source>
        <translation>Umbenennung in %1: ihr Protokoll %2.</translation>
    </message>
    <message>
        <source>Damaged Rename Journal</source>
        <translation>Beschädigtes Umbenennungsprotokoll</translation>
    </message>
    <message>
        <source>Damaged Rename Journals</source>
        <translation>Beschädigte Umbenennungsprotokolle</translation>
    </message>
    <message>
        <source>A rename journal in %1 cannot be used and was left as it is:
%2

&quot;Set Aside&quot; moves it into %3, where it is kept but no longer reported.</source>
        <translation>Ein Umbenennungsprotokoll in %1 ist nicht nutzbar und blieb unverändert:
%2

„Beiseitelegen“ verschiebt es nach %3, wo es aufbewahrt, aber nicht mehr gemeldet wird.</translation>
    </message>
    <message numerus="yes">
        <source>%n rename journals in %1 cannot be used and were left as they are:
%2

&quot;Set Aside&quot; moves them into %3, where they are kept but no longer reported.</source>
        <translation>
            <numerusform>%n Umbenennungsprotokoll in %1 ist nicht nutzbar und blieb unverändert:
%2

„Beiseitelegen“ verschiebt es nach %3, wo es aufbewahrt, aber nicht mehr gemeldet wird.</numerusform>
            <numerusform>%n Umbenennungsprotokolle in %1 sind nicht nutzbar und blieben unverändert:
%2

„Beiseitelegen“ verschiebt sie nach %3, wo sie aufbewahrt, aber nicht mehr gemeldet werden.</numerusform>
        </translation>
    </message>
</context>
</TS>
