<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>AboutFrm</name>
    <message>
        <source>About Corvina</source>
        <translation>Über Corvina</translation>
    </message>
    <message>
        <source>Finds the files that are the same on your disks and network shares, and helps you remove the copies you do not need.</source>
        <translation>Findet die Dateien, die auf Ihren Datenträgern und Netzwerkfreigaben gleich sind, und hilft Ihnen, die Kopien zu entfernen, die Sie nicht brauchen.</translation>
    </message>
    <message>
        <source>Corvina is free software: you may share and change it under the GNU General Public License, version 3 or (at your option) any later version. It comes with no warranty.</source>
        <translation>Corvina ist freie Software: Sie dürfen sie unter der GNU General Public License, Version 3 oder (nach Ihrer Wahl) jeder späteren Version, weitergeben und verändern. Corvina wird ohne jede Gewährleistung bereitgestellt.</translation>
    </message>
    <message>
        <source>Built with Qt %1, running on Qt %2.</source>
        <extracomment>%1 is the Qt version Corvina was built with, %2 the one it runs on.</extracomment>
        <translation>Erstellt mit Qt %1, läuft mit Qt %2.</translation>
    </message>
    <message>
        <source>Qt is used under the GNU Lesser General Public License, version 3. The end sound is played through libcanberra (GNU LGPL 2.1 or later); CRC32 checksums come from zlib (zlib licence) and block digests from xxHash (BSD 2-Clause licence).</source>
        <translation>Qt wird unter der GNU Lesser General Public License, Version 3, verwendet. Der Abschlussklang wird über libcanberra abgespielt (GNU LGPL 2.1 oder später); die CRC32-Prüfsummen stammen von zlib (zlib-Lizenz) und die Blockprüfsummen von xxHash (BSD-2-Clause-Lizenz).</translation>
    </message>
    <message>
        <source>Corvina sends nothing over the network.</source>
        <translation>Corvina sendet nichts über das Netzwerk.</translation>
    </message>
    <message>
        <source>Corvina v%1</source>
        <translation>Corvina v%1</translation>
    </message>
</context>
<context>
    <name>ActJournal</name>
    <message>
        <source>&quot;%1&quot; is missing or not text</source>
        <translation>„%1“ fehlt oder ist kein Text</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number</source>
        <translation>„%1“ ist keine Zahl</translation>
    </message>
    <message>
        <source>a file is not whole</source>
        <translation>eine Datei ist unvollständig</translation>
    </message>
    <message>
        <source>an act is not whole</source>
        <translation>eine Aktion ist unvollständig</translation>
    </message>
    <message>
        <source>unknown kind &quot;%1&quot;</source>
        <translation>unbekannte Art „%1“</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a time</source>
        <translation>„%1“ ist keine Zeitangabe</translation>
    </message>
    <message>
        <source>Moved to the trash</source>
        <translation>In den Papierkorb verschoben</translation>
    </message>
    <message>
        <source>Deleted for good</source>
        <translation>Endgültig gelöscht</translation>
    </message>
    <message>
        <source>Moved</source>
        <translation>Verschoben</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Kopiert</translation>
    </message>
    <message>
        <source> at byte %1</source>
        <translation> bei Byte %1</translation>
    </message>
    <message>
        <source>not a journal of version %1</source>
        <translation>kein Protokoll der Version %1</translation>
    </message>
    <message>
        <source>Corvina has no data folder for its journal: %1</source>
        <translation>Corvina hat keinen Datenordner für sein Protokoll: %1</translation>
    </message>
    <message>
        <source>The journal of Corvina&apos;s acts &quot;%1&quot; cannot be read: %2</source>
        <translation>Das Protokoll der Aktionen von Corvina „%1“ kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>it is too large</source>
        <translation>es ist zu groß</translation>
    </message>
    <message>
        <source>The journal of Corvina&apos;s acts &quot;%1&quot; is damaged (%2). Nothing was changed; the files it names can still be restored from the trash or the folders they were put in.</source>
        <translation>Das Protokoll der Aktionen von Corvina „%1“ ist beschädigt (%2). Es wurde nichts geändert; die darin genannten Dateien lassen sich weiterhin aus dem Papierkorb oder aus den Ordnern, in die sie gelegt wurden, wiederherstellen.</translation>
    </message>
    <message>
        <source>The journal of Corvina&apos;s acts &quot;%1&quot; could not be written: %2</source>
        <translation>Das Protokoll der Aktionen von Corvina „%1“ konnte nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>ActionCommands</name>
    <message>
        <source>%1. %2</source>
        <extracomment>Status bar after an act: what was done, then the marked files that are left.</extracomment>
        <translation>%1. %2</translation>
    </message>
</context>
<context>
    <name>ActionDriver</name>
    <message>
        <source>No items marked/checked</source>
        <translation>Keine Einträge markiert/angekreuzt</translation>
    </message>
    <message>
        <source>Move selected files to</source>
        <translation>Ausgewählte Dateien verschieben nach</translation>
    </message>
    <message>
        <source>Copy selected files to</source>
        <translation>Ausgewählte Dateien kopieren nach</translation>
    </message>
    <message>
        <source>Only the identical files that Byte to Byte or CRC32 finds can be replaced with links.</source>
        <translation>Nur die identischen Dateien, die „Byte für Byte“ oder CRC32 findet, können durch Links ersetzt werden.</translation>
    </message>
    <message>
        <source>A list of whole folders can be marked, saved and exported, and its marked folders can be sent to the trash, deleted or moved once each is proved a copy of an unmarked folder of its group; Corvina does not copy, link or rename them. Search the folders with Byte to Byte to act on their files.</source>
        <translation>Eine Liste ganzer Ordner kann markiert, gespeichert und exportiert werden, und ihre markierten Ordner können in den Papierkorb verschoben, gelöscht oder verschoben werden, sobald jeder als Kopie eines unmarkierten Ordners seiner Gruppe nachgewiesen ist; Corvina kopiert, verlinkt und benennt sie nicht um. Durchsuchen Sie die Ordner mit „Byte für Byte“, um mit ihren Dateien zu arbeiten.</translation>
    </message>
</context>
<context>
    <name>ActionError</name>
    <message>
        <source>Unable to delete file</source>
        <translation>Datei kann nicht gelöscht werden</translation>
    </message>
    <message>
        <source>Unable to move file</source>
        <translation>Datei kann nicht verschoben werden</translation>
    </message>
    <message>
        <source>Unable to copy file</source>
        <translation>Datei kann nicht kopiert werden</translation>
    </message>
    <message>
        <source>File changed since the search</source>
        <translation>Datei wurde seit der Suche geändert</translation>
    </message>
    <message>
        <source>No unmarked copy of the file is left</source>
        <translation>Keine unmarkierte Kopie der Datei ist übrig</translation>
    </message>
    <message>
        <source>File cannot be traced to a search location</source>
        <translation>Datei kann keinem Suchort zugeordnet werden</translation>
    </message>
    <message>
        <source>Folder changed since the search</source>
        <translation>Ordner wurde seit der Suche geändert</translation>
    </message>
    <message>
        <source>No unmarked copy has the same contents</source>
        <translation>Keine unmarkierte Kopie hat denselben Inhalt</translation>
    </message>
    <message>
        <source>File is in a reference location</source>
        <translation>Datei liegt in einem Referenzort</translation>
    </message>
    <message>
        <source>Unable to replace file with a link</source>
        <translation>Datei kann nicht durch einen Link ersetzt werden</translation>
    </message>
    <message>
        <source>Kept copy is on another file system</source>
        <translation>Behaltene Kopie liegt auf einem anderen Dateisystem</translation>
    </message>
    <message>
        <source>File system cannot make clones</source>
        <translation>Dateisystem kann keine Klone anlegen</translation>
    </message>
    <message>
        <source>Kept copy differs in owner, permissions or attributes</source>
        <translation>Behaltene Kopie unterscheidet sich in Eigentümer, Rechten oder Attributen</translation>
    </message>
    <message>
        <source>Owner, permissions or attributes could not be kept</source>
        <translation>Eigentümer, Rechte oder Attribute konnten nicht beibehalten werden</translation>
    </message>
    <message>
        <source>Only a file in a reference location is left to link to</source>
        <translation>Nur eine Datei in einem Referenzort bleibt als Linkziel übrig</translation>
    </message>
    <message>
        <source>File is not empty</source>
        <translation>Datei ist nicht leer</translation>
    </message>
    <message>
        <source>No unmarked copy has the same name</source>
        <translation>Keine unmarkierte Kopie hat denselben Namen</translation>
    </message>
    <message>
        <source>No unmarked copy is similar enough</source>
        <translation>Keine unmarkierte Kopie ist ähnlich genug</translation>
    </message>
    <message>
        <source>Another file now has the name it came from</source>
        <translation>Eine andere Datei trägt jetzt ihren ursprünglichen Namen</translation>
    </message>
    <message>
        <source>File is no longer the one Corvina put there</source>
        <translation>Die Datei ist nicht mehr die, die Corvina dort abgelegt hat</translation>
    </message>
    <message>
        <source>Copy no longer holds the bytes of its original</source>
        <translation>Die Kopie enthält nicht mehr die Bytes ihres Originals</translation>
    </message>
    <message>
        <source>Folder it came from has changed</source>
        <translation>Der Ordner, aus dem sie stammt, hat sich geändert</translation>
    </message>
    <message>
        <source>Unable to put file back</source>
        <translation>Datei kann nicht zurückgelegt werden</translation>
    </message>
    <message>
        <source>No unmarked copy of this folder is in the list</source>
        <translation>Keine unmarkierte Kopie dieses Ordners ist in der Liste</translation>
    </message>
    <message>
        <source>Folder is not the one the search listed</source>
        <translation>Der Ordner ist nicht der, den die Suche aufgelistet hat</translation>
    </message>
    <message>
        <source>Folder holds an entry that is not a file or folder</source>
        <translation>Der Ordner enthält einen Eintrag, der weder Datei noch Ordner ist</translation>
    </message>
    <message>
        <source>No unmarked copy of the folder is left</source>
        <translation>Keine unmarkierte Kopie des Ordners ist übrig</translation>
    </message>
    <message>
        <source>No unmarked copy holds the same files</source>
        <translation>Keine unmarkierte Kopie enthält dieselben Dateien</translation>
    </message>
    <message>
        <source>A file of the folder has no copy outside it any more</source>
        <translation>Eine Datei des Ordners hat außerhalb keine Kopie mehr</translation>
    </message>
</context>
<context>
    <name>ActionRunDialog</name>
    <message>
        <source>&amp;OK</source>
        <extracomment>Starts the run, and closes the dialog once it is done.</extracomment>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <extracomment>Closes the dialog before anything was done; after the run the button reads &quot;&amp;OK&quot;.</extracomment>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Error No</source>
        <translation>Fehler-Nr.</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Stopping...</source>
        <translation>Wird angehalten...</translation>
    </message>
</context>
<context>
    <name>ActionSummary</name>
    <message>
        <source>%1 file</source>
        <extracomment>How many files an act takes; %1 is the number as the locale writes it.</extracomment>
        <translation>%1 Datei</translation>
    </message>
    <message>
        <source>%1 files</source>
        <translation>%1 Dateien</translation>
    </message>
    <message>
        <source>%1 (%2 bytes)</source>
        <extracomment>A rounded size followed by its exact count of bytes.</extracomment>
        <translation>%1 (%2 Bytes)</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>The number of files, then their size.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 will be moved to the trash.</source>
        <translation>%1 werden in den Papierkorb verschoben.</translation>
    </message>
    <message>
        <source>%1 will be deleted for good: they will not go to the trash.</source>
        <translation>%1 werden endgültig gelöscht: Sie kommen nicht in den Papierkorb.</translation>
    </message>
    <message>
        <source>%1 will be moved once a destination folder is given.</source>
        <translation>%1 werden verschoben, sobald ein Zielordner angegeben ist.</translation>
    </message>
    <message>
        <source>%1 will be moved to &quot;%2&quot;.</source>
        <translation>%1 werden nach „%2“ verschoben.</translation>
    </message>
    <message>
        <source>%1 will be copied once a destination folder is given.</source>
        <translation>%1 werden kopiert, sobald ein Zielordner angegeben ist.</translation>
    </message>
    <message>
        <source>%1 will be copied to &quot;%2&quot;.</source>
        <translation>%1 werden nach „%2“ kopiert.</translation>
    </message>
    <message>
        <source>%1 will be replaced with hard links to their kept copies. No folder will be removed.</source>
        <translation>%1 werden durch harte Links auf ihre behaltenen Kopien ersetzt. Kein Ordner wird entfernt.</translation>
    </message>
    <message>
        <source>%1 will be replaced with clones of their kept copies. No folder will be removed.</source>
        <translation>%1 werden durch Klone ihrer behaltenen Kopien ersetzt. Kein Ordner wird entfernt.</translation>
    </message>
    <message>
        <source>No folder will be removed.</source>
        <translation>Kein Ordner wird entfernt.</translation>
    </message>
    <message>
        <source>Folders left empty will be removed.</source>
        <translation>Leer gewordene Ordner werden entfernt.</translation>
    </message>
    <message>
        <source>Folders left empty will stay.</source>
        <translation>Leer gewordene Ordner bleiben erhalten.</translation>
    </message>
    <message>
        <source>%1 moved to the trash</source>
        <translation>%1 in den Papierkorb verschoben</translation>
    </message>
    <message>
        <source>%1 deleted for good</source>
        <translation>%1 endgültig gelöscht</translation>
    </message>
    <message>
        <source>%1 moved to &quot;%2&quot;</source>
        <translation>%1 nach „%2“ verschoben</translation>
    </message>
    <message>
        <source>%1 copied to &quot;%2&quot;</source>
        <translation>%1 nach „%2“ kopiert</translation>
    </message>
    <message>
        <source>%1 replaced with hard links</source>
        <translation>%1 durch harte Links ersetzt</translation>
    </message>
    <message>
        <source>%1 replaced with clones</source>
        <translation>%1 durch Klone ersetzt</translation>
    </message>
    <message>
        <source>%1; %2 refused</source>
        <extracomment>After an act: what was done; %2 is how many marked files were refused and stay.</extracomment>
        <translation>%1; %2 abgelehnt</translation>
    </message>
    <message>
        <source>%1 folder</source>
        <extracomment>How many whole folders an act takes; %1 is the number as the locale writes it.</extracomment>
        <translation>%1 Ordner</translation>
    </message>
    <message>
        <source>%1 folders</source>
        <translation>%1 Ordner</translation>
    </message>
</context>
<context>
    <name>AdvMarkFrm</name>
    <message>
        <source>File Mask :</source>
        <translation>Dateimaske:</translation>
    </message>
    <message>
        <source>Advance Marking</source>
        <translation>Erweitertes Markieren</translation>
    </message>
    <message>
        <source>By Range</source>
        <translation>Nach Bereich</translation>
    </message>
    <message>
        <source>By Folders</source>
        <translation>Nach Ordnern</translation>
    </message>
    <message>
        <source>Date Time</source>
        <translation>Datum/Uhrzeit</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Keep Newer Files</source>
        <translation>Neuere Dateien behalten</translation>
    </message>
    <message>
        <source>Keep Older Files</source>
        <translation>Ältere Dateien behalten</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>Dateigröße</translation>
    </message>
    <message>
        <source>Keep Larger Files</source>
        <translation>Größere Dateien behalten</translation>
    </message>
    <message>
        <source>Keep Smaller Files</source>
        <translation>Kleinere Dateien behalten</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Keep Newer Version Files</source>
        <translation>Dateien mit neuerer Version behalten</translation>
    </message>
    <message>
        <source>Keep Older Version Files</source>
        <translation>Dateien mit älterer Version behalten</translation>
    </message>
    <message>
        <source>Size Limit</source>
        <translation>Größenbegrenzung</translation>
    </message>
    <message>
        <source>CD (700 MB)</source>
        <translation>CD (700 MB)</translation>
    </message>
    <message>
        <source>DVD (4.3 GB)</source>
        <translation>DVD (4,3 GB)</translation>
    </message>
    <message>
        <source>Specify :</source>
        <translation>Angeben:</translation>
    </message>
    <message>
        <source>KB</source>
        <translation>KB</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>GB</source>
        <translation>GB</translation>
    </message>
    <message>
        <source>This option is helpful when you want to make backup copies of Duplicate Files in a CD, DVD etc and have size limits.</source>
        <translation>Diese Option hilft, wenn Sie Sicherungskopien der doppelten Dateien auf CD, DVD usw. anlegen wollen und dabei an eine Größenbegrenzung gebunden sind.</translation>
    </message>
    <message>
        <source>Include Sub-Folders</source>
        <translation>Unterordner einbeziehen</translation>
    </message>
    <message>
        <source>Check all</source>
        <translation>Alle auswählen</translation>
    </message>
    <message>
        <source>Uncheck all</source>
        <translation>Alle abwählen</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>Markieren</translation>
    </message>
    <message>
        <source>Clear all marks</source>
        <translation>Alle Markierungen aufheben</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Type only integer values</source>
        <translation>Geben Sie nur ganze Zahlen ein</translation>
    </message>
</context>
<context>
    <name>AppFolders</name>
    <message>
        <source>cannot find your home folder: %1</source>
        <translation>kann Ihren persönlichen Ordner nicht finden: %1</translation>
    </message>
    <message>
        <source>cannot find your home folder: &quot;%1&quot; does not exist</source>
        <translation>kann Ihren persönlichen Ordner nicht finden: „%1“ existiert nicht</translation>
    </message>
    <message>
        <source>HOME is not set</source>
        <translation>HOME ist nicht gesetzt</translation>
    </message>
    <message>
        <source>HOME is empty</source>
        <translation>HOME ist leer</translation>
    </message>
    <message>
        <source>HOME is not a full path</source>
        <translation>HOME ist kein vollständiger Pfad</translation>
    </message>
    <message>
        <source>%1 and the user database cannot be read for uid %2</source>
        <extracomment>%1 says what is wrong with HOME, such as &quot;HOME is not set&quot;; %2 is a user number.</extracomment>
        <translation>%1, und die Benutzerdatenbank kann für UID %2 nicht gelesen werden</translation>
    </message>
    <message>
        <source>%1 and the user database has no entry for uid %2</source>
        <translation>%1, und die Benutzerdatenbank hat keinen Eintrag für UID %2</translation>
    </message>
    <message>
        <source>%1 and the user database gives no home folder for uid %2</source>
        <translation>%1, und die Benutzerdatenbank nennt keinen persönlichen Ordner für UID %2</translation>
    </message>
</context>
<context>
    <name>BugFrm</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Ein unerwarteter Fehler ist aufgetreten.</translation>
    </message>
    <message>
        <source>Error number:</source>
        <translation>Fehlernummer:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Beschreibung:</translation>
    </message>
    <message>
        <source>While:</source>
        <extracomment>Before the name of the step that failed, such as &quot;Scanning&quot;.</extracomment>
        <translation>Bei:</translation>
    </message>
    <message>
        <source>Line:</source>
        <extracomment>Before the line of the program&apos;s source where the step failed.</extracomment>
        <translation>Zeile:</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Send Error Report</source>
        <translation>Fehlerbericht senden</translation>
    </message>
    <message>
        <source>The error report was copied to the clipboard.</source>
        <translation>Der Fehlerbericht wurde in die Zwischenablage kopiert.</translation>
    </message>
</context>
<context>
    <name>CHive</name>
    <message>
        <source>Invalid Index.</source>
        <translation>Ungültiger Index.</translation>
    </message>
    <message>
        <source>Key not Found in the Hive.</source>
        <translation>Schlüssel nicht in der Sammlung gefunden.</translation>
    </message>
    <message>
        <source>Key cannot be Integer or Long or Byte or any kind of Fixed Digit.</source>
        <translation>Der Schlüssel darf weder Integer noch Long noch Byte noch eine andere Zahl mit fester Stellenzahl sein.</translation>
    </message>
    <message>
        <source>Duplicate Key.</source>
        <translation>Doppelter Schlüssel.</translation>
    </message>
</context>
<context>
    <name>CliActions</name>
    <message>
        <source>%1 of %2 marked files moved to the trash (%3 marked), %4 refused or failed</source>
        <translation>%1 von %2 markierten Dateien in den Papierkorb verschoben (%3 markiert), %4 abgelehnt oder fehlgeschlagen</translation>
    </message>
    <message>
        <source>%1 of %2 marked files deleted (%3 marked), %4 refused or failed</source>
        <translation>%1 von %2 markierten Dateien gelöscht (%3 markiert), %4 abgelehnt oder fehlgeschlagen</translation>
    </message>
    <message>
        <source>%1 of %2 marked files moved (%3 marked), %4 refused or failed</source>
        <translation>%1 von %2 markierten Dateien verschoben (%3 markiert), %4 abgelehnt oder fehlgeschlagen</translation>
    </message>
    <message>
        <source>%1 of %2 marked files copied (%3 marked), %4 refused or failed</source>
        <translation>%1 von %2 markierten Dateien kopiert (%3 markiert), %4 abgelehnt oder fehlgeschlagen</translation>
    </message>
    <message>
        <source>%1 of %2 marked files replaced with links (%3 marked), %4 refused or failed</source>
        <translation>%1 von %2 markierten Dateien durch Links ersetzt (%3 markiert), %4 abgelehnt oder fehlgeschlagen</translation>
    </message>
    <message>
        <source>groups whose every file is marked keep their last file</source>
        <translation>Gruppen, in denen jede Datei markiert ist, behalten ihre letzte Datei</translation>
    </message>
    <message>
        <source>%1 freed</source>
        <translation>%1 freigegeben</translation>
    </message>
    <message>
        <source>%1 of %2 marked folders moved to the trash (%3 marked), %4 refused or failed</source>
        <translation>%1 von %2 markierten Ordnern in den Papierkorb verschoben (%3 markiert), %4 abgelehnt oder fehlgeschlagen</translation>
    </message>
    <message>
        <source>%1 of %2 marked folders deleted (%3 marked), %4 refused or failed</source>
        <translation>%1 von %2 markierten Ordnern gelöscht (%3 markiert), %4 abgelehnt oder fehlgeschlagen</translation>
    </message>
    <message>
        <source>%1 of %2 marked folders moved (%3 marked), %4 refused or failed</source>
        <translation>%1 von %2 markierten Ordnern verschoben (%3 markiert), %4 abgelehnt oder fehlgeschlagen</translation>
    </message>
</context>
<context>
    <name>CliOptions</name>
    <message>
        <source>only one of --trash, --delete, --move, --copy and --link can be given</source>
        <translation>nur eine der Optionen --trash, --delete, --move, --copy und --link ist möglich</translation>
    </message>
    <message>
        <source>--%1 wants a folder</source>
        <translation>--%1 erwartet einen Ordner</translation>
    </message>
    <message>
        <source>move the marked files to the trash, from where they can be restored</source>
        <translation>die markierten Dateien in den Papierkorb verschieben, aus dem sie wiederhergestellt werden können</translation>
    </message>
    <message>
        <source>delete the marked files for good</source>
        <translation>die markierten Dateien endgültig löschen</translation>
    </message>
    <message>
        <source>move the marked files into FOLDER (a name taken there gets a number)</source>
        <translation>die markierten Dateien nach FOLDER verschieben (ein dort schon vergebener Name erhält eine Nummer)</translation>
    </message>
    <message>
        <source>copy the marked files into FOLDER (a name taken there gets a number)</source>
        <translation>die markierten Dateien nach FOLDER kopieren (ein dort schon vergebener Name erhält eine Nummer)</translation>
    </message>
    <message>
        <source>replace the marked files with links to an unmarked copy with the same bytes, so every path keeps working and the space is freed: hard (a hard link: one file under two names, on one file system) or clone (a file of its own sharing the copy&apos;s blocks, on btrfs or XFS)</source>
        <translation>die markierten Dateien durch Links auf eine unmarkierte Kopie mit denselben Bytes ersetzen, sodass jeder Pfad weiter funktioniert und der Platz frei wird: hard (ein harter Link: eine Datei unter zwei Namen, auf einem Dateisystem) oder clone (eine eigene Datei, die sich die Blöcke der Kopie teilt, auf btrfs oder XFS)</translation>
    </message>
    <message>
        <source>--link is hard or clone; not &quot;%1&quot;</source>
        <translation>--link ist hard oder clone, nicht „%1“</translation>
    </message>
    <message>
        <source>with --copy or --move: put each file below FOLDER in a folder named after its search folder (a second one of the same name gets a number) and, inside it, the folders it was found in</source>
        <translation>mit --copy oder --move: jede Datei unterhalb von FOLDER in einem Ordner ablegen, der nach ihrem Suchordner benannt ist (ein zweiter gleichen Namens erhält eine Nummer), und darin in den Ordnern, in denen sie gefunden wurde</translation>
    </message>
    <message>
        <source>with --trash, --delete or --move: afterwards remove each folder that held a marked file and is empty now; never a search or reference folder, nor a folder with a file system mounted on it</source>
        <translation>mit --trash, --delete oder --move: danach jeden Ordner entfernen, der eine markierte Datei enthielt und jetzt leer ist; nie einen Such- oder Referenzordner und keinen Ordner, in den ein Dateisystem eingehängt ist</translation>
    </message>
    <message>
        <source>with --trash, --delete, --move, --copy or --link: check each marked file as the action would and print what would be done, changing nothing</source>
        <translation>mit --trash, --delete, --move, --copy oder --link: jede markierte Datei prüfen, wie es die Aktion täte, und ausgeben, was getan würde, ohne etwas zu ändern</translation>
    </message>
    <message>
        <source>--trash, --delete, --move, --copy and --link act on marked files: say which with --mark</source>
        <translation>--trash, --delete, --move, --copy und --link wirken auf markierte Dateien: geben Sie mit --mark an, welche</translation>
    </message>
    <message>
        <source>--dry-run works only with --trash, --delete, --move, --copy or --link</source>
        <translation>--dry-run funktioniert nur mit --trash, --delete, --move, --copy oder --link</translation>
    </message>
    <message>
        <source>--keep-structure works only with --move or --copy</source>
        <translation>--keep-structure funktioniert nur mit --move oder --copy</translation>
    </message>
    <message>
        <source>--remove-empty-folders works only with --trash, --delete or --move</source>
        <translation>--remove-empty-folders funktioniert nur mit --trash, --delete oder --move</translation>
    </message>
    <message>
        <source>--mark saved works only with --load</source>
        <translation>--mark saved funktioniert nur mit --load</translation>
    </message>
    <message>
        <source>--%1 wants a size in kilobytes, not &quot;%2&quot;</source>
        <translation>--%1 erwartet eine Größe in Kilobyte, nicht „%2“</translation>
    </message>
    <message>
        <source>--%1 %2 is too large: at most %3 kilobytes</source>
        <translation>--%1 %2 ist zu groß: höchstens %3 Kilobyte</translation>
    </message>
    <message>
        <source>with --engine byte: take files of one size as copies when at least half of their 1000-byte blocks are equal</source>
        <translation>mit --engine byte: Dateien gleicher Größe als Kopien ansehen, wenn mindestens die Hälfte ihrer 1000-Byte-Blöcke gleich ist</translation>
    </message>
    <message>
        <source>only files whose extension occurs in TEXT, such as &quot;*.jpg;*.png&quot; (default &quot;All files(*.*)&quot;: every file)</source>
        <translation>nur Dateien, deren Endung in TEXT vorkommt, etwa „*.jpg;*.png“ (Vorgabe „All files(*.*)“: jede Datei)</translation>
    </message>
    <message>
        <source>--mask wants a mask such as &quot;*.jpg;*.png&quot;</source>
        <translation>--mask erwartet eine Maske wie „*.jpg;*.png“</translation>
    </message>
    <message>
        <source>only files of at least KB kilobytes (default 0)</source>
        <translation>nur Dateien mit mindestens KB Kilobyte (Vorgabe 0)</translation>
    </message>
    <message>
        <source>only files of at most KB kilobytes (default: no limit)</source>
        <translation>nur Dateien mit höchstens KB Kilobyte (Vorgabe: keine Grenze)</translation>
    </message>
    <message>
        <source>search only the folders named, not their sub-folders</source>
        <translation>nur die genannten Ordner durchsuchen, nicht ihre Unterordner</translation>
    </message>
    <message>
        <source>search FOLDER too, and keep its files as the originals: they are never marked, moved or deleted, and groups of them alone are not shown (may be repeated)</source>
        <translation>auch FOLDER durchsuchen und dessen Dateien als Originale behalten: sie werden nie markiert, verschoben oder gelöscht, und Gruppen nur aus solchen Dateien werden nicht angezeigt (darf wiederholt werden)</translation>
    </message>
    <message>
        <source>--reference wants a folder</source>
        <translation>--reference erwartet einen Ordner</translation>
    </message>
    <message>
        <source>leave out FOLDER and everything below it (may be repeated)</source>
        <translation>FOLDER und alles darunter auslassen (darf wiederholt werden)</translation>
    </message>
    <message>
        <source>--exclude wants a folder</source>
        <translation>--exclude erwartet einen Ordner</translation>
    </message>
    <message>
        <source>include hidden files and folders (names starting with &quot;.&quot;)</source>
        <translation>versteckte Dateien und Ordner einbeziehen (Namen, die mit „.“ beginnen)</translation>
    </message>
    <message>
        <source>also search the system folders (/usr, /etc, /var, ...)</source>
        <translation>auch die Systemordner durchsuchen (/usr, /etc, /var, ...)</translation>
    </message>
    <message>
        <source>text (numbered groups, the default), groups (one group per line, the full paths separated by a TAB), json (a JSON array of the groups) or null (the full paths, each followed by a NUL byte, for xargs -0; with --mark only the marked files)</source>
        <translation>text (nummerierte Gruppen, die Vorgabe), groups (eine Gruppe je Zeile, die vollständigen Pfade durch einen Tabulator getrennt), json (ein JSON-Array der Gruppen) oder null (die vollständigen Pfade, jeder gefolgt von einem NUL-Byte, für xargs -0; mit --mark nur die markierten Dateien)</translation>
    </message>
    <message>
        <source>--format is text, groups, json or null; not &quot;%1&quot;</source>
        <translation>--format ist text, groups, json oder null, nicht „%1“</translation>
    </message>
    <message>
        <source>no progress line and no summary on standard error</source>
        <translation>keine Fortschrittszeile und keine Zusammenfassung auf der Standardfehlerausgabe</translation>
    </message>
    <message>
        <source>list in the summary each folder and file that could not be read</source>
        <translation>jeden Ordner und jede Datei, die nicht gelesen werden konnten, in der Zusammenfassung auflisten</translation>
    </message>
    <message>
        <source>show this text</source>
        <translation>diesen Text anzeigen</translation>
    </message>
    <message>
        <source>unknown option &quot;%1&quot;</source>
        <translation>unbekannte Option „%1“</translation>
    </message>
    <message>
        <source>unknown option &quot;--%1&quot;</source>
        <translation>unbekannte Option „--%1“</translation>
    </message>
    <message>
        <source>--%1 wants a value (%2)</source>
        <translation>--%1 erwartet einen Wert (%2)</translation>
    </message>
    <message>
        <source>--%1 takes no value</source>
        <translation>--%1 nimmt keinen Wert</translation>
    </message>
    <message>
        <source>no folder to search</source>
        <translation>kein Ordner zum Durchsuchen</translation>
    </message>
    <message>
        <source>--fuzzy works only with --engine byte</source>
        <translation>--fuzzy funktioniert nur mit --engine byte</translation>
    </message>
    <message>
        <source>the maximum size (--max %1) must be greater than the minimum size (--min %2)</source>
        <translation>die Höchstgröße (--max %1) muss größer als die Mindestgröße (--min %2) sein</translation>
    </message>
    <message>
        <source>Output: the groups go to standard output; a progress line (when standard error is a terminal) and the closing summary go to standard error. The summary counts the folders and files that could not be read (no permission, a path too long), and names each search folder left out; --verbose lists what could not be read. None of these changes the exit status.</source>
        <translation>Ausgabe: Die Gruppen gehen auf die Standardausgabe; eine Fortschrittszeile (wenn die Standardfehlerausgabe ein Terminal ist) und die abschließende Zusammenfassung gehen auf die Standardfehlerausgabe. Die Zusammenfassung zählt die Ordner und Dateien, die nicht gelesen werden konnten (keine Berechtigung, ein zu langer Pfad), und nennt jeden ausgelassenen Suchordner; --verbose listet auf, was nicht gelesen werden konnte. Nichts davon ändert den Rückgabewert.</translation>
    </message>
    <message>
        <source>Names: in the text and groups formats, and on standard error, a name is written as its bytes, except that a backslash is written as \\, a TAB, newline and carriage return as \t, \n and \r, and any other control character and any byte that is not UTF-8 as \xHH (two hexadecimal digits); printf &apos;%b&apos; turns such a name back into its bytes. The null format writes names as their bytes. In json a name that is not UTF-8 has U+FFFD in &quot;path&quot; for each byte that is not, and its exact bytes, base64-encoded, in &quot;path_base64&quot;.</source>
        <translation>Namen: In den Formaten text und groups und auf der Standardfehlerausgabe wird ein Name als seine Bytes geschrieben, nur dass ein Backslash als \\, ein Tabulator, Zeilenvorschub und Wagenrücklauf als \t, \n und \r und jedes andere Steuerzeichen und jedes Byte, das kein UTF-8 ist, als \xHH (zwei hexadezimale Ziffern) geschrieben wird; printf &apos;%b&apos; macht aus einem solchen Namen wieder seine Bytes. Das Format null schreibt Namen als ihre Bytes. In json steht bei einem Namen, der kein UTF-8 ist, in „path“ für jedes solche Byte ein U+FFFD und in „path_base64“ seine genauen Bytes, base64-kodiert.</translation>
    </message>
    <message>
        <source>Acting: a file is trashed, deleted or moved only when it is still the file the search saw, reached from its search folder without following a link, and (for byte and crc searches) an unmarked file of its group still holds the same bytes; a copy needs the first of these. A group whose every file is marked keeps its last file. In the text output a marked file&apos;s line starts with &quot;*&quot;. Each file refused or failed is written to standard error as &quot;NUMBER TEXT: PATH&quot;, such as &quot;1012 No unmarked copy has the same contents: /photos/b.jpg&quot;.</source>
        <translation>Ausführen: Eine Datei wird nur dann in den Papierkorb gelegt, gelöscht oder verschoben, wenn sie noch die Datei ist, die die Suche gesehen hat, von ihrem Suchordner aus erreicht wird, ohne einem Link zu folgen, und (bei den Suchen byte und crc) eine unmarkierte Datei ihrer Gruppe noch dieselben Bytes enthält; für eine Kopie genügt die erste dieser Bedingungen. Eine Gruppe, in der jede Datei markiert ist, behält ihre letzte Datei. In der Ausgabe text beginnt die Zeile einer markierten Datei mit „*“. Jede abgelehnte oder fehlgeschlagene Datei wird als „NUMBER TEXT: PATH“ auf die Standardfehlerausgabe geschrieben, etwa „1012 Keine unmarkierte Kopie hat denselben Inhalt: /photos/b.jpg“.</translation>
    </message>
    <message>
        <source>Exit status: 0 when the search completed (and every marked file was done), 1 when it failed (a folder that does not exist, a session file that cannot be read or written, an error while searching), 2 when the command line is wrong, 3 when some marked files were refused or failed.</source>
        <translation>Rückgabewert: 0, wenn die Suche abgeschlossen wurde (und jede markierte Datei erledigt ist), 1, wenn sie fehlschlug (ein Ordner, den es nicht gibt, eine Sitzungsdatei, die nicht gelesen oder geschrieben werden kann, ein Fehler beim Suchen), 2, wenn die Befehlszeile falsch ist, 3, wenn einige markierte Dateien abgelehnt wurden oder fehlschlugen.</translation>
    </message>
    <message>
        <source>Usage: corvina-cli [options] FOLDER...
       corvina-cli [options] --session FILE
       corvina-cli [options] --load FILE [--rescan]
</source>
        <translation>Aufruf: corvina-cli [Optionen] FOLDER...
        corvina-cli [Optionen] --session FILE
        corvina-cli [Optionen] --load FILE [--rescan]
</translation>
    </message>
    <message>
        <source>Finds the files in the FOLDERs (and their sub-folders) that are copies of each other and prints them in groups: the first file of a group is the original, the others are its copies. Nothing on the disk is changed but the files that --save, --save-params and --export name, and the marked files that --trash, --delete, --move or --link act on. Symbolic links are never followed, and a file reached twice (overlapping folders, hard links) counts once.</source>
        <translation>Findet die Dateien in den Ordnern FOLDER (und ihren Unterordnern), die Kopien voneinander sind, und gibt sie in Gruppen aus: Die erste Datei einer Gruppe ist das Original, die anderen sind ihre Kopien. Auf dem Datenträger wird nichts geändert außer den Dateien, die --save, --save-params und --export nennen, und den markierten Dateien, auf die --trash, --delete, --move oder --link wirken. Symbolischen Links wird nie gefolgt, und eine Datei, die zweimal erreicht wird (überlappende Ordner, harte Links), zählt einmal.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Optionen:</translation>
    </message>
    <message>
        <source>the same as --help</source>
        <translation>dasselbe wie --help</translation>
    </message>
    <message>
        <source>Session files and exports:</source>
        <translation>Sitzungsdateien und Exporte:</translation>
    </message>
    <message>
        <source>Marking and acting on the marked files:</source>
        <translation>Markieren und die markierten Dateien bearbeiten:</translation>
    </message>
    <message>
        <source>--%1 wants a file</source>
        <translation>--%1 erwartet eine Datei</translation>
    </message>
    <message>
        <source>search the folders of the session file FILE (.cvf) with its engine and options, as &quot;corvina FILE&quot; does; give no FOLDER</source>
        <translation>die Ordner der Sitzungsdatei FILE (.cvf) mit deren Suchverfahren und Optionen durchsuchen, wie es „corvina FILE“ tut; keinen FOLDER angeben</translation>
    </message>
    <message>
        <source>show the saved result of the session file FILE instead of searching; give no FOLDER</source>
        <translation>das gespeicherte Ergebnis der Sitzungsdatei FILE anzeigen, statt zu suchen; keinen FOLDER angeben</translation>
    </message>
    <message>
        <source>with --load: compare the saved files again and show only what is still duplicated</source>
        <translation>mit --load: die gespeicherten Dateien erneut vergleichen und nur zeigen, was noch doppelt ist</translation>
    </message>
    <message>
        <source>write the folders, options and the result to the session file FILE</source>
        <translation>die Ordner, die Optionen und das Ergebnis in die Sitzungsdatei FILE schreiben</translation>
    </message>
    <message>
        <source>write the folders and options, without the result, to the session file FILE</source>
        <translation>die Ordner und Optionen ohne das Ergebnis in die Sitzungsdatei FILE schreiben</translation>
    </message>
    <message>
        <source>write the result to FILE (&quot;-&quot;: standard output) as delimited text or as an HTML page</source>
        <translation>das Ergebnis nach FILE („-“: Standardausgabe) als Text mit Trennzeichen oder als HTML-Seite schreiben</translation>
    </message>
    <message>
        <source>csv (delimited text, the default) or html (a web page)</source>
        <translation>csv (Text mit Trennzeichen, die Vorgabe) oder html (eine Webseite)</translation>
    </message>
    <message>
        <source>--export-format is csv or html; not &quot;%1&quot;</source>
        <translation>--export-format ist csv oder html, nicht „%1“</translation>
    </message>
    <message>
        <source>between the fields of a csv export: comma (the default), semi (&quot;;&quot;), tab (a single blank, as Corvina&apos;s &quot;TAB&quot; choice writes) or any other text, which is used as it is</source>
        <translation>zwischen den Feldern eines CSV-Exports: comma (Komma, die Vorgabe), semi („;“), tab (ein einzelnes Leerzeichen, wie es Corvinas Auswahl „Tabulator“ schreibt) oder jeder andere Text, der so verwendet wird, wie er ist</translation>
    </message>
    <message>
        <source>all (the default) or marked (only the marked files: those --mark marked, or without --mark those marked in the session file of --load; with none marked only the header is written)</source>
        <translation>all (die Vorgabe) oder marked (nur die markierten Dateien: die von --mark markierten oder ohne --mark die in der Sitzungsdatei von --load markierten; ist keine markiert, wird nur die Kopfzeile geschrieben)</translation>
    </message>
    <message>
        <source>--export-rows is all or marked; not &quot;%1&quot;</source>
        <translation>--export-rows ist all oder marked, nicht „%1“</translation>
    </message>
    <message>
        <source>--session and --load cannot be combined</source>
        <translation>--session und --load können nicht kombiniert werden</translation>
    </message>
    <message>
        <source>%1 takes its folders from the file; give no FOLDER</source>
        <translation>%1 nimmt seine Ordner aus der Datei; geben Sie keinen FOLDER an</translation>
    </message>
    <message>
        <source>%1 takes the engine and the folder options from the file</source>
        <translation>%1 nimmt das Suchverfahren und die Ordneroptionen aus der Datei</translation>
    </message>
    <message>
        <source>only one of --save, --save-params and --export can write to standard output (&quot;-&quot;)</source>
        <translation>nur eine der Optionen --save, --save-params und --export kann auf die Standardausgabe („-“) schreiben</translation>
    </message>
    <message>
        <source>--rescan works only with --load</source>
        <translation>--rescan funktioniert nur mit --load</translation>
    </message>
    <message>
        <source>--export-format, --delimiter and --export-rows work only with --export</source>
        <translation>--export-format, --delimiter und --export-rows funktionieren nur mit --export</translation>
    </message>
    <message>
        <source>--delimiter works only with --export-format csv</source>
        <translation>--delimiter funktioniert nur mit --export-format csv</translation>
    </message>
    <message>
        <source>mark files by RULE after the search or --load; may be repeated, applied in order, starting from no marks. RULE names what each group keeps: keep-newest (every file of a group but the newest, as the window&apos;s Mark All Duplicates), keep-oldest (all but the oldest), keep-largest (all but the largest), keep-smallest (all but the smallest); or saved (also the files marked in the session file of --load) or in:FOLDER (also every file in FOLDER and below it). all-duplicates is another name of keep-newest. Marking never reorders the list. The marks of a loaded session are shown, and acted on only with --mark saved</source>
        <translation>Dateien nach RULE markieren, nach der Suche oder --load; kann wiederholt werden, wird der Reihe nach angewandt und beginnt ohne Markierungen. RULE nennt, was jede Gruppe behält: keep-newest (jede Datei einer Gruppe außer der neuesten, wie „Alle Duplikate markieren“ im Fenster), keep-oldest (alle außer der ältesten), keep-largest (alle außer der größten), keep-smallest (alle außer der kleinsten); oder saved (zusätzlich die in der Sitzungsdatei von --load markierten Dateien) oder in:FOLDER (zusätzlich jede Datei in FOLDER und darunter). all-duplicates ist ein anderer Name für keep-newest. Das Markieren ändert nie die Reihenfolge der Liste. Die Markierungen einer geladenen Sitzung werden angezeigt, aber nur mit --mark saved ausgeführt</translation>
    </message>
    <message>
        <source>--mark is keep-newest, keep-oldest, keep-largest, keep-smallest, saved or in:FOLDER; not &quot;%1&quot;</source>
        <translation>--mark ist keep-newest, keep-oldest, keep-largest, keep-smallest, saved oder in:FOLDER; nicht „%1“</translation>
    </message>
    <message>
        <source>only one of --undo and --journal can be given</source>
        <translation>nur eines von --undo und --journal kann angegeben werden</translation>
    </message>
    <message>
        <source>undo the last clean-up that moved files to the trash, moved or copied them (in the window or here): each file goes back to its own folder and name, never over a file that has that name now, and only while it is the very file Corvina put in the trash or the folder; a copy is removed only while it holds its original&apos;s bytes. A second --undo undoes the clean-up before. Files deleted for good cannot come back</source>
        <translation>die letzte Aufräumaktion rückgängig machen, die Dateien in den Papierkorb verschoben, verschoben oder kopiert hat (im Fenster oder hier): Jede Datei kommt zurück in ihren eigenen Ordner unter ihrem Namen, nie über eine Datei, die jetzt so heißt, und nur solange sie genau die Datei ist, die Corvina in den Papierkorb oder den Ordner gelegt hat; eine Kopie wird nur entfernt, solange sie die Bytes ihres Originals enthält. Ein zweites --undo macht die Aufräumaktion davor rückgängig. Endgültig gelöschte Dateien können nicht zurückkommen</translation>
    </message>
    <message>
        <source>list the last clean-ups Corvina did, newest first: when, what (trash, delete, move, copy), how many files and bytes, and whether it was undone; --format json for JSON</source>
        <translation>die letzten Aufräumaktionen von Corvina auflisten, die neueste zuerst: wann, was (Papierkorb, Löschen, Verschieben, Kopieren), wie viele Dateien und Bytes und ob sie rückgängig gemacht wurde; --format json für JSON</translation>
    </message>
    <message>
        <source>--undo and --journal take no folder, session file or action</source>
        <translation>--undo und --journal nehmen keinen Ordner, keine Sitzungsdatei und keine Aktion</translation>
    </message>
    <message>
        <source>--format does not go with --undo</source>
        <translation>--format passt nicht zu --undo</translation>
    </message>
    <message>
        <source>--journal writes text or json</source>
        <translation>--journal schreibt text oder json</translation>
    </message>
    <message numerus="yes">
        <source>%n copies removed</source>
        <translation>
            <numerusform>%n Kopie entfernt</numerusform>
            <numerusform>%n Kopien entfernt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files put back</source>
        <translation>
            <numerusform>%n Datei zurückgelegt</numerusform>
            <numerusform>%n Dateien zurückgelegt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n no longer where Corvina put them</source>
        <translation>
            <numerusform>%n nicht mehr dort, wo Corvina sie abgelegt hat</numerusform>
            <numerusform>%n nicht mehr dort, wo Corvina sie abgelegt hat</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n refused or failed</source>
        <translation>
            <numerusform>%n abgelehnt oder fehlgeschlagen</numerusform>
            <numerusform>%n abgelehnt oder fehlgeschlagen</numerusform>
        </translation>
    </message>
    <message>
        <source>the journal holds no clean-up yet</source>
        <translation>das Protokoll enthält noch keine Aufräumaktion</translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n Datei</numerusform>
            <numerusform>%n Dateien</numerusform>
        </translation>
    </message>
    <message>
        <source>undone</source>
        <translation>rückgängig gemacht</translation>
    </message>
    <message>
        <source>show the name and version of corvina-cli</source>
        <translation>Name und Version von corvina-cli anzeigen</translation>
    </message>
    <message>
        <source>the same as --version</source>
        <translation>dasselbe wie --version</translation>
    </message>
    <message>
        <source>Undoing the last clean-up:</source>
        <translation>Die letzte Aufräumaktion rückgängig machen:</translation>
    </message>
    <message>
        <source>with --engine folders: also list the folders whose every file has a copy outside them</source>
        <translation>mit --engine folders: auch die Ordner auflisten, von deren Dateien jede eine Kopie außerhalb hat</translation>
    </message>
    <message>
        <source>--contained works only with --engine folders</source>
        <translation>--contained geht nur mit --engine folders</translation>
    </message>
    <message>
        <source>--engine folders compares whole folders: --min, --max, --mask and --no-subfolders do not apply</source>
        <translation>--engine folders vergleicht ganze Ordner: --min, --max, --mask und --no-subfolders gelten dafür nicht</translation>
    </message>
    <message>
        <source>--engine folders searches its folders: it does not take --session or --load</source>
        <translation>--engine folders durchsucht seine Ordner: Es nimmt weder --session noch --load</translation>
    </message>
    <message>
        <source>--engine folders sends marked folders to the trash, deletes or moves them: copy and link their files with --engine byte</source>
        <translation>--engine folders verschiebt markierte Ordner in den Papierkorb, löscht oder verschiebt sie: Kopieren und Verlinken ihrer Dateien mit --engine byte</translation>
    </message>
    <message>
        <source>how files are compared: byte (whole contents, the default), crc (CRC-32 checksums), name (same file names, contents not compared), zero (list the empty files), folders (folders whose whole trees hold the same names with the same bytes) or pictures (pictures alike to the eye in other sizes, formats and light edits)</source>
        <translation>wie Dateien verglichen werden: byte (ganzer Inhalt, die Vorgabe), crc (CRC-32-Prüfsummen), name (gleiche Dateinamen, Inhalt nicht verglichen), zero (die leeren Dateien auflisten), folders (Ordner, deren ganze Bäume dieselben Namen mit denselben Bytes enthalten) oder pictures (für das Auge gleiche Bilder in anderen Größen, Formaten und mit leichten Bearbeitungen)</translation>
    </message>
    <message>
        <source>--engine is one of byte, crc, name, zero, folders, pictures; not &quot;%1&quot;</source>
        <translation>--engine ist byte, crc, name, zero, folders oder pictures, nicht „%1“</translation>
    </message>
    <message>
        <source>--similarity is strict, close or loose; not &quot;%1&quot;</source>
        <translation>--similarity ist strict, close oder loose, nicht „%1“</translation>
    </message>
    <message>
        <source>--similarity works only with --engine pictures</source>
        <translation>--similarity wirkt nur mit --engine pictures</translation>
    </message>
    <message>
        <source>with --engine pictures: how alike pictures must be, strict (the same picture resized or re-saved), close (also lightly cropped or brightened; the default) or loose (also heavier edits, and more look-alikes of other pictures)</source>
        <translation>mit --engine pictures: wie ähnlich Bilder sein müssen, strict (dasselbe Bild verkleinert oder neu gespeichert), close (auch leicht beschnitten oder aufgehellt; die Vorgabe) oder loose (auch stärkere Bearbeitungen, und mehr Doppelgänger anderer Bilder)</translation>
    </message>
    <message>
        <source>--engine pictures lists similar pictures, which are different files: they are not replaced with links</source>
        <translation>--engine pictures listet ähnliche Bilder auf, die verschiedene Dateien sind: Sie werden nicht durch Verknüpfungen ersetzt</translation>
    </message>
    <message>
        <source>with --engine pictures: neither read nor keep the hashes of pictures in the cache of earlier searches (pictures.sqlite in the cache folder), so every picture is decoded</source>
        <translation>mit --engine pictures: die Hashwerte der Bilder weder aus dem Zwischenspeicher früherer Suchen lesen noch darin ablegen (pictures.sqlite im Cache-Ordner), sodass jedes Bild neu dekodiert wird</translation>
    </message>
    <message>
        <source>--no-cache works only with --engine pictures</source>
        <translation>--no-cache wirkt nur mit --engine pictures</translation>
    </message>
</context>
<context>
    <name>CliOutput</name>
    <message>
        <source>Duplicate Files: %1  Size: %2</source>
        <translation>Doppelte Dateien: %1  Größe: %2</translation>
    </message>
    <message>
        <source>Files : %1</source>
        <translation>Dateien: %1</translation>
    </message>
    <message>
        <source>Folders : %1</source>
        <translation>Ordner: %1</translation>
    </message>
    <message>
        <source>Not searched: %1 (no such folder)</source>
        <translation>Nicht durchsucht: %1 (kein solcher Ordner)</translation>
    </message>
    <message>
        <source>Not searched: %1 (a system folder; --no-protect searches it)</source>
        <translation>Nicht durchsucht: %1 (ein Systemordner; --no-protect durchsucht ihn)</translation>
    </message>
    <message>
        <source>Not searched: %1 (it could not be read)</source>
        <translation>Nicht durchsucht: %1 (er konnte nicht gelesen werden)</translation>
    </message>
    <message>
        <source>%1 folder</source>
        <translation>%1 Ordner</translation>
    </message>
    <message>
        <source>%1 folders</source>
        <translation>%1 Ordner</translation>
    </message>
    <message>
        <source>%1 file</source>
        <translation>%1 Datei</translation>
    </message>
    <message>
        <source>%1 files</source>
        <translation>%1 Dateien</translation>
    </message>
    <message>
        <source>Could not read: %1, %2</source>
        <translation>Nicht lesbar: %1, %2</translation>
    </message>
    <message>
        <source>Could not read: %1, %2 (--verbose lists them)</source>
        <translation>Nicht lesbar: %1, %2 (--verbose listet sie auf)</translation>
    </message>
    <message>
        <source>  folder %1</source>
        <translation>  Ordner %1</translation>
    </message>
    <message>
        <source>  file %1</source>
        <translation>  Datei %1</translation>
    </message>
    <message>
        <source>Duplicate folders: %1 in %2 group</source>
        <extracomment>%1 is the number of folders, %2 the number of groups.</extracomment>
        <translation>Doppelte Ordner: %1 in %2 Gruppe</translation>
    </message>
    <message>
        <source>Duplicate folders: %1 in %2 groups</source>
        <translation>Doppelte Ordner: %1 in %2 Gruppen</translation>
    </message>
    <message>
        <source>; %1 folder with nothing unique</source>
        <translation>; %1 Ordner ohne Einzelstücke</translation>
    </message>
    <message>
        <source>; %1 folders with nothing unique</source>
        <translation>; %1 Ordner ohne Einzelstücke</translation>
    </message>
</context>
<context>
    <name>CliRun</name>
    <message>
        <source>no such folder: %1</source>
        <translation>kein solcher Ordner: %1</translation>
    </message>
    <message>
        <source>%1 (see corvina-cli --help)</source>
        <translation>%1 (siehe corvina-cli --help)</translation>
    </message>
    <message>
        <source>%1; --trash needs it for the trash</source>
        <translation>%1; --trash braucht ihn für den Papierkorb</translation>
    </message>
</context>
<context>
    <name>CliScanSink</name>
    <message>
        <source>error %1 in &quot;%2&quot;: %3</source>
        <translation>Fehler %1 in „%2“: %3</translation>
    </message>
</context>
<context>
    <name>CliSession</name>
    <message>
        <source>cannot read the session file &quot;%1&quot;: %2</source>
        <translation>die Sitzungsdatei „%1“ kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>cannot read the session file &quot;%1&quot;: no such file</source>
        <translation>die Sitzungsdatei „%1“ kann nicht gelesen werden: keine solche Datei</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: corvina [SESSION-FILE]
       corvina -un

Opens Corvina&apos;s window, which finds the files that are the same in the folders you list and
helps you get rid of the copies you do not need.

  SESSION-FILE   load the folders and options of a saved session (.cvf) and search at once
  -un            show the feedback form instead of the main window
  -h, --help     show this text
  -V, --version  show the name and version of Corvina

corvina-cli searches and cleans up without a window; see corvina-cli --help.
</source>
        <translation>Aufruf: corvina [SESSION-FILE]
        corvina -un

Öffnet das Fenster von Corvina, das die gleichen Dateien in den angegebenen Ordnern findet und
hilft, die nicht benötigten Kopien loszuwerden.

  SESSION-FILE   Ordner und Optionen einer gespeicherten Sitzung (.cvf) laden und sofort suchen
  -un            das Rückmeldeformular statt des Hauptfensters anzeigen
  -h, --help     diesen Text anzeigen
  -V, --version  Name und Version von Corvina anzeigen

corvina-cli sucht und räumt ohne Fenster auf; siehe corvina-cli --help.
</translation>
    </message>
</context>
<context>
    <name>DeleteFilesDialog</name>
    <message>
        <source>Send to Recycle bin (recommended)</source>
        <translation>In den Papierkorb verschieben (empfohlen)</translation>
    </message>
    <message>
        <source>Respond with &quot; &amp;Yes to All &quot; for any dialog box that is displayed.</source>
        <translation>Jede Rückfrage mit „&amp;Ja, alle“ beantworten.</translation>
    </message>
    <message>
        <source>Remove Empty &amp;Folders / Directories after process.</source>
        <translation>Leere &amp;Ordner/Verzeichnisse danach entfernen.</translation>
    </message>
    <message>
        <source>Save Err Log</source>
        <translation>Fehlerprotokoll speichern</translation>
    </message>
    <message>
        <source>Delete Files</source>
        <translation>Dateien löschen</translation>
    </message>
    <message>
        <source>Deletion Option</source>
        <translation>Löschoption</translation>
    </message>
    <message>
        <source>Warning! The files that you delete using this tool are entirely your selection. Corvina can only find duplicate copies of files, it can&apos;t tell which one is the duplicate/unneeded.</source>
        <translation>Achtung! Welche Dateien Sie mit diesem Werkzeug löschen, entscheiden allein Sie. Corvina kann nur doppelte Kopien von Dateien finden, aber nicht sagen, welche davon die überflüssige ist.</translation>
    </message>
    <message>
        <source>Processing file</source>
        <translation>Aktuelle Datei</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
    <message numerus="yes">
        <source>Every copy of the files of %n group(s) is marked, and they will be deleted permanently: nothing of them will be left, not even in the trash.

Are you sure you want to continue?</source>
        <translation>
            <numerusform>In %n Gruppe ist jede Kopie der Dateien markiert, und sie werden endgültig gelöscht: Nichts davon bleibt übrig, nicht einmal im Papierkorb.

Möchten Sie wirklich fortfahren?</numerusform>
            <numerusform>In %n Gruppen ist jede Kopie der Dateien markiert, und sie werden endgültig gelöscht: Nichts davon bleibt übrig, nicht einmal im Papierkorb.

Möchten Sie wirklich fortfahren?</numerusform>
        </translation>
    </message>
    <message>
        <source>Are you sure to preceed.
This will delete the files permanently i.e., they are not sent to the recycle bin.</source>
        <translation>Möchten Sie wirklich fortfahren?
Die Dateien werden endgültig gelöscht, d. h. sie kommen nicht in den Papierkorb.</translation>
    </message>
    <message>
        <source>Error Logs</source>
        <translation>Fehlerprotokolle</translation>
    </message>
    <message>
        <source>Unable to write the error log to &quot;%1&quot;.
%2</source>
        <translation>Das Fehlerprotokoll kann nicht nach „%1“ geschrieben werden.
%2</translation>
    </message>
</context>
<context>
    <name>DeleteMarkedRows</name>
    <message>
        <source>Completed</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Are you sure you want to send &quot;%1&quot; to the trash?</source>
        <translation>Möchten Sie „%1“ wirklich in den Papierkorb verschieben?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete &quot;%1&quot; permanently?</source>
        <translation>Möchten Sie „%1“ wirklich endgültig löschen?</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
</context>
<context>
    <name>EmptyFolders</name>
    <message>
        <source>Checking for empty folders. Please wait...</source>
        <translation>Suche nach leeren Ordnern. Bitte warten...</translation>
    </message>
</context>
<context>
    <name>ErrorLog</name>
    <message>
        <source>Error %1</source>
        <extracomment>The file name the save dialog proposes for the error log; %1 is the date as dd-mm-yyyy.</extracomment>
        <translation>Fehler %1</translation>
    </message>
</context>
<context>
    <name>ExportDialog</name>
    <message>
        <source>Export Wizard</source>
        <translation>Export-Assistent</translation>
    </message>
    <message>
        <source>Export Format </source>
        <translation>Exportformat </translation>
    </message>
    <message>
        <source>Delimited Text File (for database or spreedsheets)</source>
        <translation>Textdatei mit Trennzeichen (für Datenbanken oder Tabellenkalkulationen)</translation>
    </message>
    <message>
        <source>HTML (webpage)</source>
        <translation>HTML (Webseite)</translation>
    </message>
    <message>
        <source>Files to export </source>
        <translation>Zu exportierende Dateien </translation>
    </message>
    <message>
        <source>Mark Files Only</source>
        <translation>Nur markierte Dateien</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Alle Dateien</translation>
    </message>
    <message>
        <source>Selected Files Only</source>
        <translation>Nur ausgewählte Dateien</translation>
    </message>
    <message>
        <source>Open file after export</source>
        <translation>Datei nach dem Export öffnen</translation>
    </message>
    <message>
        <source>Output File Name </source>
        <translation>Name der Ausgabedatei </translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Durchsuchen</translation>
    </message>
    <message>
        <source>Field Delimeter </source>
        <translation>Feldtrennzeichen </translation>
    </message>
    <message>
        <source>TAB</source>
        <extracomment>The delimiter that is a tab character.</extracomment>
        <translation>Tabulator</translation>
    </message>
    <message>
        <source>Comma</source>
        <translation>Komma</translation>
    </message>
    <message>
        <source>Semi-colen</source>
        <translation>Semikolon</translation>
    </message>
    <message>
        <source>Other Character String</source>
        <translation>Andere Zeichenfolge</translation>
    </message>
    <message>
        <source>Webpage</source>
        <translation>Webseite</translation>
    </message>
    <message>
        <source>&lt; Back</source>
        <translation>&lt; Zurück</translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation>Weiter &gt;</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>No duplicate file has been found!<byte value="xd"/>
First you must perform a search and find at least one duplicate file.</source>
        <translation>Es wurde keine doppelte Datei gefunden!<byte value="xd"/>
Führen Sie zuerst eine Suche aus, die mindestens eine doppelte Datei findet.</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Output filename not specified</source>
        <translation>Kein Name für die Ausgabedatei angegeben</translation>
    </message>
    <message>
        <source>Export Location</source>
        <translation>Exportziel</translation>
    </message>
    <message>
        <source>Export Locations</source>
        <translation>Exportziel</translation>
    </message>
    <message>
        <source>Delimited Format</source>
        <translation>Format mit Trennzeichen</translation>
    </message>
    <message>
        <source>There is no program associated with the specified type of file.</source>
        <translation>Diesem Dateityp ist kein Programm zugeordnet.</translation>
    </message>
    <message>
        <source>The list was exported to %1</source>
        <translation>Die Liste wurde nach %1 exportiert</translation>
    </message>
</context>
<context>
    <name>FeedbackFrm</name>
    <message>
        <source>Corvina Feedback</source>
        <translation>Rückmeldung zu Corvina</translation>
    </message>
    <message>
        <source>Corvina is being removed from this computer. If you have a moment, tell us why: what was missing, what went wrong, what you would have liked instead.

Corvina sends nothing over the network: copy your words into an e-mail or an issue report.</source>
        <translation>Corvina wird von diesem Rechner entfernt. Wenn Sie einen Moment Zeit haben, sagen Sie uns, warum: was gefehlt hat, was schiefgegangen ist, was Sie sich stattdessen gewünscht hätten.

Corvina sendet nichts über das Netzwerk: Kopieren Sie Ihren Text in eine E-Mail oder einen Fehlerbericht.</translation>
    </message>
    <message>
        <source>&amp;Copy to Clipboard</source>
        <translation>In die Zwischenablage &amp;kopieren</translation>
    </message>
</context>
<context>
    <name>FileCMFrm</name>
    <message>
        <source>Please select the folder, drive or network share where the files shall be move to.</source>
        <translation>Bitte wählen Sie den Ordner, das Laufwerk oder die Netzwerkfreigabe, wohin die Dateien verschoben werden sollen.</translation>
    </message>
    <message>
        <source>Please select the folder, drive or network share where the files shall be copy to.</source>
        <translation>Bitte wählen Sie den Ordner, das Laufwerk oder die Netzwerkfreigabe, wohin die Dateien kopiert werden sollen.</translation>
    </message>
    <message>
        <source>Remove Empty &amp;Folders / Directories after process.</source>
        <translation>Leere &amp;Ordner/Verzeichnisse danach entfernen.</translation>
    </message>
    <message>
        <source>Respond with &quot;Yes to All&quot; for any dialog box that is displayed.</source>
        <translation>Jede Rückfrage mit „Ja, alle“ beantworten.</translation>
    </message>
    <message>
        <source>Copy with directory structure.</source>
        <translation>Mit Ordnerstruktur kopieren.</translation>
    </message>
    <message>
        <source>Open destnation folder after process completed.</source>
        <translation>Zielordner nach Abschluss öffnen.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Pfad</translation>
    </message>
    <message>
        <source>Move files to...</source>
        <translation>Dateien verschieben nach...</translation>
    </message>
    <message>
        <source>Copy files to...</source>
        <translation>Dateien kopieren nach...</translation>
    </message>
    <message>
        <source>Move selected files to</source>
        <translation>Ausgewählte Dateien verschieben nach</translation>
    </message>
    <message>
        <source>Copy selected files to</source>
        <translation>Ausgewählte Dateien kopieren nach</translation>
    </message>
    <message>
        <source>Path not specified, Please specify copy/move location first</source>
        <translation>Kein Pfad angegeben. Bitte geben Sie zuerst das Ziel zum Kopieren/Verschieben an</translation>
    </message>
</context>
<context>
    <name>FileErrors</name>
    <message>
        <source>Path not found</source>
        <translation>Pfad nicht gefunden</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Datenträger voll</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>Fehler beim Zugriff auf Pfad/Datei</translation>
    </message>
    <message>
        <source>Device I/O error</source>
        <translation>E/A-Fehler des Geräts</translation>
    </message>
</context>
<context>
    <name>FileInfoFrm</name>
    <message>
        <source>Picture Viewer</source>
        <translation>Bildbetrachter</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>Do you want to disable picture viewer?</source>
        <translation>Möchten Sie den Bildbetrachter ausschalten?</translation>
    </message>
</context>
<context>
    <name>FileMasks</name>
    <message>
        <source>All files(*.*)</source>
        <translation>Alle Dateien(*.*)</translation>
    </message>
    <message>
        <source>Documents(*.doc *.pdf *.rtf *.xls *.ppt)</source>
        <translation>Dokumente(*.doc *.pdf *.rtf *.xls *.ppt)</translation>
    </message>
    <message>
        <source>File archive (*.zip *.cab *.arc *.arj *.rar *.jar)</source>
        <translation>Archive (*.zip *.cab *.arc *.arj *.rar *.jar)</translation>
    </message>
    <message>
        <source>Images  (*.bmp *.gif *.jpg *.jpeg *.pcx *.png *.psd *.tif *.wmf)</source>
        <translation>Bilder  (*.bmp *.gif *.jpg *.jpeg *.pcx *.png *.psd *.tif *.wmf)</translation>
    </message>
    <message>
        <source>Music files (*.mpa *.mp2 *.mp3 *.wav *.mid *.midi *.aif *.aiff *.au *.rmi *.snd *.ogg)</source>
        <translation>Musikdateien (*.mpa *.mp2 *.mp3 *.wav *.mid *.midi *.aif *.aiff *.au *.rmi *.snd *.ogg)</translation>
    </message>
    <message>
        <source>Program files (*.exe *.dll *.com *.sys *.ocx *.vbx *.bat *.msi)</source>
        <translation>Programmdateien (*.exe *.dll *.com *.sys *.ocx *.vbx *.bat *.msi)</translation>
    </message>
    <message>
        <source>Program source (*.asm *.c *.cpp *.css *.h *.bas *.vba *.dpr *.dfm *.inc *.pas *.js *.java)</source>
        <translation>Quelltexte (*.asm *.c *.cpp *.css *.h *.bas *.vba *.dpr *.dfm *.inc *.pas *.js *.java)</translation>
    </message>
    <message>
        <source>Text files  (*.txt *.bak)</source>
        <translation>Textdateien  (*.txt *.bak)</translation>
    </message>
    <message>
        <source>Video clips (*.avi *.mov *.mpg *.m1v *.mpeg *.qt *.wm *.wmv)</source>
        <translation>Videos (*.avi *.mov *.mpg *.m1v *.mpeg *.qt *.wm *.wmv)</translation>
    </message>
    <message>
        <source>Web pages  (*.htm *.html *.php *.asp *.xml)</source>
        <translation>Webseiten  (*.htm *.html *.php *.asp *.xml)</translation>
    </message>
</context>
<context>
    <name>FileOpResult</name>
    <message>
        <source>The file has changed.</source>
        <translation>Die Datei hat sich geändert.</translation>
    </message>
    <message>
        <source>The file is already in that folder.</source>
        <translation>Die Datei liegt bereits in diesem Ordner.</translation>
    </message>
    <message>
        <source>The copy differs from the original.</source>
        <translation>Die Kopie unterscheidet sich vom Original.</translation>
    </message>
    <message>
        <source>No free name is left in the destination folder.</source>
        <translation>Im Zielordner ist kein freier Name mehr übrig.</translation>
    </message>
    <message>
        <source>The path does not start at the root folder.</source>
        <translation>Der Pfad beginnt nicht beim Wurzelordner.</translation>
    </message>
    <message>
        <source>The files are on different file systems.</source>
        <translation>Die Dateien liegen auf verschiedenen Dateisystemen.</translation>
    </message>
    <message>
        <source>The file system cannot make clones.</source>
        <translation>Das Dateisystem kann keine Klone anlegen.</translation>
    </message>
    <message>
        <source>The files differ in owner, group, permissions or attributes.</source>
        <translation>Die Dateien unterscheiden sich in Eigentümer, Gruppe, Rechten oder Attributen.</translation>
    </message>
    <message>
        <source>The file&apos;s owner, group, permissions or attributes could not be kept.</source>
        <translation>Eigentümer, Gruppe, Rechte oder Attribute der Datei konnten nicht beibehalten werden.</translation>
    </message>
</context>
<context>
    <name>FileOpen</name>
    <message>
        <source>Not a regular file</source>
        <translation>Keine reguläre Datei</translation>
    </message>
</context>
<context>
    <name>FilePropertiesFrm</name>
    <message>
        <source>%1 Properties</source>
        <translation>Eigenschaften von %1</translation>
    </message>
    <message>
        <source>%1:</source>
        <extracomment>A caption before its value: &quot;Size:&quot;.</extracomment>
        <translation>%1:</translation>
    </message>
    <message>
        <source>Not recorded</source>
        <translation>Nicht erfasst</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Pfad</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>The file no longer exists.</source>
        <translation>Die Datei existiert nicht mehr.</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>%1 (%2 bytes)</source>
        <translation>%1 (%2 Bytes)</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Geändert</translation>
    </message>
    <message>
        <source>Accessed</source>
        <translation>Letzter Zugriff</translation>
    </message>
    <message>
        <source>Changed</source>
        <translation>Status geändert</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>Erstellt</translation>
    </message>
    <message>
        <source>Permissions</source>
        <translation>Zugriffsrechte</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>Eigentümer</translation>
    </message>
    <message>
        <source>Group</source>
        <extracomment>The group that owns the file.</extracomment>
        <translation>Gruppe</translation>
    </message>
</context>
<context>
    <name>FolderFrm</name>
    <message>
        <source>Add/Exclude Folders</source>
        <translation>Ordner hinzufügen/ausschließen</translation>
    </message>
    <message>
        <source>Choose Folder to Search</source>
        <translation>Zu durchsuchenden Ordner wählen</translation>
    </message>
    <message>
        <source>Include Sub Folders</source>
        <translation>Unterordner einbeziehen</translation>
    </message>
    <message>
        <source>Exclude Folder</source>
        <translation>Ordner ausschließen</translation>
    </message>
    <message>
        <source>&amp;Reference: keep every file found here</source>
        <translation>&amp;Referenz: alle Dateien hier behalten</translation>
    </message>
    <message>
        <source>The files of a reference location count as the originals: they are never marked, moved or deleted, and groups of them alone are not listed.</source>
        <translation>Die Dateien eines Referenzorts gelten als Originale: sie werden nie markiert, verschoben oder gelöscht, und Gruppen nur aus solchen Dateien werden nicht aufgelistet.</translation>
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
        <source>Path :</source>
        <translation>Pfad:</translation>
    </message>
    <message>
        <source>File Mask(s)</source>
        <translation>Dateimaske(n)</translation>
    </message>
    <message>
        <source>File Size in Range</source>
        <translation>Dateigröße im Bereich</translation>
    </message>
    <message>
        <source>KB</source>
        <translation>KB</translation>
    </message>
    <message>
        <source>Maximum size must be greater then minimum size</source>
        <translation>Die Höchstgröße muss größer als die Mindestgröße sein</translation>
    </message>
</context>
<context>
    <name>FolderTickModel</name>
    <message>
        <source>Folders</source>
        <translation>Ordner</translation>
    </message>
</context>
<context>
    <name>FuzzyFrm</name>
    <message>
        <source>Fuzzy  match</source>
        <translation>Unscharfer Vergleich</translation>
    </message>
    <message>
        <source>Fuzzy match tolerate files with little difference. File transmission errors over network can be ignored in this mode. Files downloaded by P2P program e.g. eMule/Kazaa may contain this kind of files. (see example below)</source>
        <translation>Der unscharfe Vergleich lässt Dateien mit kleinen Unterschieden als gleich gelten. So lassen sich Übertragungsfehler im Netzwerk übergehen. Dateien, die mit P2P-Programmen wie eMule oder Kazaa heruntergeladen wurden, können solche Unterschiede enthalten. (Siehe das Beispiel unten.)</translation>
    </message>
    <message>
        <source>File A</source>
        <extracomment>The names of the two example files in the picture.</extracomment>
        <translation>Datei A</translation>
    </message>
    <message>
        <source>File B</source>
        <translation>Datei B</translation>
    </message>
    <message>
        <source>File A is identical to file B though there is little difference between them.</source>
        <translation>Datei A ist identisch mit Datei B, obwohl es einen kleinen Unterschied zwischen ihnen gibt.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>GetFilesLib</name>
    <message>
        <source>Scanning... %1</source>
        <translation>Durchsuche... %1</translation>
    </message>
</context>
<context>
    <name>HelpFrm</name>
    <message>
        <source>Corvina Help</source>
        <translation>Corvina-Hilfe</translation>
    </message>
</context>
<context>
    <name>JournalCommands</name>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n Datei</numerusform>
            <numerusform>%n Dateien</numerusform>
        </translation>
    </message>
    <message>
        <source>undone</source>
        <translation>rückgängig gemacht</translation>
    </message>
    <message>
        <source>Undo Last Clean-up</source>
        <translation>Letzte Aufräumaktion rückgängig machen</translation>
    </message>
    <message>
        <source>There is no clean-up to undo.</source>
        <translation>Es gibt keine Aufräumaktion, die rückgängig gemacht werden kann.</translation>
    </message>
    <message>
        <source>Remove the copies this clean-up made?
%1</source>
        <translation>Die Kopien entfernen, die diese Aufräumaktion angelegt hat?
%1</translation>
    </message>
    <message>
        <source>Put the files of this clean-up back where they came from?
%1</source>
        <translation>Die Dateien dieser Aufräumaktion dorthin zurücklegen, woher sie kamen?
%1</translation>
    </message>
    <message>
        <source>What Corvina Did</source>
        <translation>Was Corvina getan hat</translation>
    </message>
    <message>
        <source>Corvina has not moved, copied or deleted any file yet.</source>
        <translation>Corvina hat noch keine Datei verschoben, kopiert oder gelöscht.</translation>
    </message>
</context>
<context>
    <name>LeftOutText</name>
    <message>
        <source>%1 KB</source>
        <extracomment>A size limit of a search location, in kilobytes.</extracomment>
        <translation>%1 KB</translation>
    </message>
    <message>
        <source> or </source>
        <extracomment>Between two values of a limit that differs from folder to folder: &quot;10 KB or 20 KB&quot;.</extracomment>
        <translation> oder </translation>
    </message>
    <message>
        <source>files under %1</source>
        <translation>Dateien unter %1</translation>
    </message>
    <message>
        <source>files over %1</source>
        <translation>Dateien über %1</translation>
    </message>
    <message>
        <source>files not matching %1</source>
        <translation>Dateien, die nicht zu %1 passen</translation>
    </message>
    <message>
        <source>hidden files</source>
        <translation>versteckte Dateien</translation>
    </message>
    <message>
        <source>the sub folders of 1 folder</source>
        <translation>die Unterordner von 1 Ordner</translation>
    </message>
    <message>
        <source>the sub folders of %1 folders</source>
        <translation>die Unterordner von %1 Ordnern</translation>
    </message>
    <message>
        <source>1 excluded folder</source>
        <translation>1 ausgeschlossener Ordner</translation>
    </message>
    <message>
        <source>%1 excluded folders</source>
        <translation>%1 ausgeschlossene Ordner</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>The last two items of a list: &quot;hidden files and 2 excluded folders&quot;.</extracomment>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>%1 were left out.</source>
        <extracomment>What the search locations and options kept out of the scan.</extracomment>
        <translation>%1 wurden ausgelassen.</translation>
    </message>
</context>
<context>
    <name>LinkFrm</name>
    <message>
        <source>Replace with hard links</source>
        <translation>Durch harte Links ersetzen</translation>
    </message>
    <message>
        <source>Replace with clones</source>
        <translation>Durch Klone ersetzen</translation>
    </message>
    <message>
        <source>Each marked file is replaced with a hard link to an unmarked copy that holds the same bytes: every path keeps working and opens the same content, and the space of the marked file is freed. A hard link is the copy itself under a second name, so both must be on one file system and have the same owner, permissions and attributes.</source>
        <translation>Jede markierte Datei wird durch einen harten Link auf eine unmarkierte Kopie mit denselben Bytes ersetzt: Jeder Pfad funktioniert weiter und öffnet denselben Inhalt, und der Platz der markierten Datei wird frei. Ein harter Link ist die Kopie selbst unter einem zweiten Namen; beide müssen daher auf einem Dateisystem liegen und denselben Eigentümer, dieselben Rechte und Attribute haben.</translation>
    </message>
    <message>
        <source>Each marked file is replaced with a clone of an unmarked copy that holds the same bytes: a file of its own, with the owner, permissions and attributes of the file it replaces, that shares the copy&apos;s blocks on the disk until one of them is changed. Only file systems such as btrfs and XFS can make clones.</source>
        <translation>Jede markierte Datei wird durch einen Klon einer unmarkierten Kopie mit denselben Bytes ersetzt: eine eigene Datei mit Eigentümer, Rechten und Attributen der ersetzten Datei, die sich die Blöcke der Kopie auf dem Datenträger teilt, bis eine von beiden geändert wird. Nur Dateisysteme wie btrfs und XFS können Klone anlegen.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
</context>
<context>
    <name>LinkMarkedRows</name>
    <message numerus="yes">
        <source>Completed: %n files replaced, %1 freed</source>
        <translation>
            <numerusform>Fertig: %Ln Datei ersetzt, %1 freigegeben</numerusform>
            <numerusform>Fertig: %Ln Dateien ersetzt, %1 freigegeben</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MainFrm</name>
    <message>
        <source>Unloading</source>
        <extracomment>The step named in the error report: the main window closing.</extracomment>
        <translation>Schließen des Fensters</translation>
    </message>
    <message>
        <source>Sorting Column : %1</source>
        <extracomment>The step named in the error report; %1 is the column&apos;s number.</extracomment>
        <translation>Sortieren nach Spalte: %1</translation>
    </message>
    <message>
        <source>100% Completed</source>
        <translation>100 % abgeschlossen</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Please add search path first.</source>
        <translation>Bitte fügen Sie zuerst einen Suchpfad hinzu.</translation>
    </message>
    <message>
        <source>Cancel Search</source>
        <translation>Suche abbrechen</translation>
    </message>
    <message>
        <source>Are you sure to cancel searching?</source>
        <translation>Möchten Sie die Suche wirklich abbrechen?</translation>
    </message>
    <message>
        <source>Add Folders</source>
        <extracomment>The step named in the error report: adding or changing a search location.</extracomment>
        <translation>Ordner hinzufügen</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>It is highly recommended to leave this option checked to prevent loss of data.
Do you want to leave this option</source>
        <translation>Es wird dringend empfohlen, diese Option eingeschaltet zu lassen, damit keine Daten verloren gehen.
Möchten Sie die Option eingeschaltet lassen</translation>
    </message>
    <message>
        <source>New Session</source>
        <extracomment>The step named in the error report: File, New Session.</extracomment>
        <translation>Neue Sitzung</translation>
    </message>
    <message>
        <source>The result list and its marks on %1 file will be lost.
Do you want to go on?</source>
        <translation>Die Ergebnisliste und ihre Markierungen an %1 Datei gehen verloren.
Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <source>The result list and its marks on %1 files will be lost.
Do you want to go on?</source>
        <translation>Die Ergebnisliste und ihre Markierungen an %1 Dateien gehen verloren.
Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <source>Add search path and click on the scan button to start search.</source>
        <translation>Fügen Sie einen Suchpfad hinzu und klicken Sie auf „Suchen“, um die Suche zu starten.</translation>
    </message>
    <message>
        <source>This will delete the files permanently i.e., they are not sent to the recycle bin.
Are you sure you want to preceed.</source>
        <translation>Die Dateien werden endgültig gelöscht, d. h. sie kommen nicht in den Papierkorb.
Möchten Sie wirklich fortfahren?</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Scan</source>
        <translation>&amp;Suchen</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <extracomment>File menu: stops the running scan.</extracomment>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Add Location...</source>
        <translation>Suchort &amp;hinzufügen...</translation>
    </message>
    <message>
        <source>&amp;Remove Location</source>
        <translation>Suchort &amp;entfernen</translation>
    </message>
    <message>
        <source>&amp;New Session</source>
        <translation>&amp;Neue Sitzung</translation>
    </message>
    <message>
        <source>&amp;Load Session</source>
        <translation>Sitzung &amp;laden</translation>
    </message>
    <message>
        <source>Sa&amp;ve Session</source>
        <translation>Sitzung spei&amp;chern</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>E&amp;xportieren</translation>
    </message>
    <message>
        <source>Show &amp;Picture Viewer</source>
        <translation>B&amp;ildbetrachter anzeigen</translation>
    </message>
    <message>
        <source>Send to Recycle &amp;Bin</source>
        <translation>In den &amp;Papierkorb verschieben</translation>
    </message>
    <message>
        <source>Cl&amp;ose</source>
        <extracomment>File menu: closes the main window and ends Corvina.</extracomment>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Action</source>
        <translation>&amp;Aktionen</translation>
    </message>
    <message>
        <source>Ad&amp;vance Marking</source>
        <translation>Er&amp;weitertes Markieren</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <extracomment>Action menu: copies the marked files to a folder.</extracomment>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Move </source>
        <translation>&amp;Verschieben </translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Replace with &amp;hard links</source>
        <translation>Durch &amp;harte Links ersetzen</translation>
    </message>
    <message>
        <source>Replace with clo&amp;nes</source>
        <translation>Durch Klo&amp;ne ersetzen</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Umbenennen</translation>
    </message>
    <message>
        <source>Remove from result &amp;list</source>
        <translation>Aus der Ergebnisliste en&amp;tfernen</translation>
    </message>
    <message>
        <source>&amp;Open File</source>
        <translation>Datei ö&amp;ffnen</translation>
    </message>
    <message>
        <source>Open &amp;Folder</source>
        <translation>&amp;Ordner öffnen</translation>
    </message>
    <message>
        <source>Open Mar&amp;k Files</source>
        <translation>&amp;Markierte Dateien öffnen</translation>
    </message>
    <message>
        <source>Copy &amp;path to clipboard</source>
        <translation>&amp;Pfad in die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>File Propert&amp;ies</source>
        <translation>Datei&amp;eigenschaften</translation>
    </message>
    <message>
        <source>Mark &amp;Quick</source>
        <translation>&amp;Schnell markieren</translation>
    </message>
    <message>
        <source>&amp;None</source>
        <extracomment>Mark Quick menu: unmarks every row.</extracomment>
        <translation>&amp;Keine</translation>
    </message>
    <message>
        <source>Mark &amp;All</source>
        <translation>&amp;Alle markieren</translation>
    </message>
    <message>
        <source>Mark &amp;Selected</source>
        <translation>Auswahl &amp;markieren</translation>
    </message>
    <message>
        <source>&amp;UnMark Selected</source>
        <translation>Markierung der Auswahl au&amp;fheben</translation>
    </message>
    <message>
        <source>Mark All &amp;Duplicates</source>
        <translation>Alle &amp;Duplikate markieren</translation>
    </message>
    <message>
        <source>Mark All Duplicates up&amp;to...</source>
        <translation>Alle Duplikate bis &amp;zu einer Größe markieren...</translation>
    </message>
    <message>
        <source>Mark &amp;Folder</source>
        <translation>&amp;Ordner markieren</translation>
    </message>
    <message>
        <source>Mark Folder and Su&amp;b Folders</source>
        <translation>Ordner samt &amp;Unterordnern markieren</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>&amp;Hilfethemen</translation>
    </message>
    <message>
        <source>&amp;Tip of the day</source>
        <translation>&amp;Tipp des Tages</translation>
    </message>
    <message>
        <source>&amp;FAQ</source>
        <translation>Häufige &amp;Fragen</translation>
    </message>
    <message>
        <source>Help &amp;Online</source>
        <translation>Hilfe &amp;online</translation>
    </message>
    <message>
        <source>I &amp;Like Corvina</source>
        <translation>Corvina &amp;gefällt mir</translation>
    </message>
    <message>
        <source>&amp;About Corvina</source>
        <translation>Ü&amp;ber Corvina</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <extracomment>The toolbar&apos;s name, where the desktop lists the window&apos;s toolbars.</extracomment>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Click here to start your search</source>
        <translation>Hier klicken, um die Suche zu starten</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Cancel current process</source>
        <translation>Laufenden Vorgang abbrechen</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>Markieren</translation>
    </message>
    <message>
        <source>Select the desire marking option for deletion/moving/copeing files</source>
        <translation>Wählen Sie, wie Dateien zum Löschen, Verschieben oder Kopieren markiert werden</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Click here to copy all marked files</source>
        <translation>Hier klicken, um alle markierten Dateien zu kopieren</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Verschieben</translation>
    </message>
    <message>
        <source>Click here to move all marked files</source>
        <translation>Hier klicken, um alle markierten Dateien zu verschieben</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Click here to delete all marked files</source>
        <translation>Hier klicken, um alle markierten Dateien zu löschen</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>Click here to rename selected file</source>
        <translation>Hier klicken, um die ausgewählte Datei umzubenennen</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Export the result to selected format</source>
        <translation>Das Ergebnis im gewählten Format exportieren</translation>
    </message>
    <message>
        <source>Viewer</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Show/Hide picture viewer</source>
        <translation>Bildbetrachter ein-/ausblenden</translation>
    </message>
    <message>
        <source>Recycle</source>
        <translation>Papierkorb</translation>
    </message>
    <message>
        <source>Set the default deletion destination</source>
        <translation>Festlegen, wohin gelöschte Dateien standardmäßig gehen</translation>
    </message>
    <message>
        <source>Add</source>
        <extracomment>The button that adds a search location.</extracomment>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Add a folder to search or to exclude</source>
        <translation>Einen Ordner zum Durchsuchen oder Ausschließen hinzufügen</translation>
    </message>
    <message>
        <source>Remove</source>
        <extracomment>The button that removes the selected search location.</extracomment>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Remove the selected location</source>
        <translation>Den ausgewählten Suchort entfernen</translation>
    </message>
    <message>
        <source>Search Engine</source>
        <translation>Suchverfahren</translation>
    </message>
    <message>
        <source>Byte to Byte</source>
        <translation>Byte für Byte</translation>
    </message>
    <message>
        <source>Cyclic Redundancy Check (CRC32)</source>
        <translation>Prüfsumme (CRC32)</translation>
    </message>
    <message>
        <source>Same Name Files</source>
        <translation>Gleiche Dateinamen</translation>
    </message>
    <message>
        <source>Zero Size Files</source>
        <translation>Leere Dateien</translation>
    </message>
    <message>
        <source>Use Fuzzy Logic</source>
        <translation>Unscharf vergleichen</translation>
    </message>
    <message>
        <source>Protect System Folders</source>
        <translation>Systemordner schützen</translation>
    </message>
    <message>
        <source>Include Hidden Folders and Files</source>
        <translation>Versteckte Ordner und Dateien einbeziehen</translation>
    </message>
    <message>
        <source>Mark None</source>
        <translation>Keine markieren</translation>
    </message>
    <message>
        <source>Mark All</source>
        <translation>Alle markieren</translation>
    </message>
    <message>
        <source>Mark Selected</source>
        <translation>Auswahl markieren</translation>
    </message>
    <message>
        <source>UnMark Selected</source>
        <translation>Markierung der Auswahl aufheben</translation>
    </message>
    <message>
        <source>Mark Folder</source>
        <translation>Ordner markieren</translation>
    </message>
    <message>
        <source>Mark Folder and Sub Folders</source>
        <translation>Ordner samt Unterordnern markieren</translation>
    </message>
    <message>
        <source>Mark All Duplicates</source>
        <translation>Alle Duplikate markieren</translation>
    </message>
    <message>
        <source>Corvina v%1</source>
        <translation>Corvina v%1</translation>
    </message>
    <message>
        <source>To Trash</source>
        <extracomment>Toolbar button: deleted files go to the trash.</extracomment>
        <translation>Papierkorb</translation>
    </message>
    <message>
        <source>Permanent</source>
        <translation>Endgültig</translation>
    </message>
    <message>
        <source>Deleted files go to the trash. Click to delete them permanently instead.</source>
        <translation>Gelöschte Dateien kommen in den Papierkorb. Klicken, um sie stattdessen endgültig zu löschen.</translation>
    </message>
    <message>
        <source>Deleted files are removed permanently: they do not go to the trash. Click to send them to the trash instead.</source>
        <translation>Gelöschte Dateien werden endgültig entfernt: Sie kommen nicht in den Papierkorb. Klicken, um sie stattdessen in den Papierkorb zu verschieben.</translation>
    </message>
    <message>
        <source>Open Recen&amp;t</source>
        <extracomment>File menu: the session files saved or opened last.</extracomment>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Undo Last Clean-up</source>
        <extracomment>Edit menu: puts back the files of the last trash or move, or removes the last copies.</extracomment>
        <translation>Letzte Aufräumaktion &amp;rückgängig machen</translation>
    </message>
    <message>
        <source>Mark Sho&amp;wn</source>
        <extracomment>Mark menu: marks the rows the filter box above the results shows.</extracomment>
        <translation>&amp;Gezeigte Zeilen markieren</translation>
    </message>
    <message>
        <source>Unmark S&amp;hown</source>
        <translation>Markierung der gezeigten Zeilen &amp;entfernen</translation>
    </message>
    <message>
        <source>&amp;What Corvina Did</source>
        <extracomment>Help menu: lists the last clean-ups (trash, delete, move, copy) Corvina did.</extracomment>
        <translation>&amp;Was Corvina getan hat</translation>
    </message>
    <message>
        <source>Filter by name or folder</source>
        <translation>Nach Name oder Ordner filtern</translation>
    </message>
    <message>
        <source>Mark Shown</source>
        <translation>Gezeigte Zeilen markieren</translation>
    </message>
    <message>
        <source>Unmark Shown</source>
        <translation>Markierung der gezeigten Zeilen entfernen</translation>
    </message>
    <message>
        <source>Keep Every File in &amp;This Folder</source>
        <extracomment>Action menu: the focused row&apos;s folder becomes a reference folder of this list.</extracomment>
        <translation>Jede Datei in diesem Ordner &amp;behalten</translation>
    </message>
    <message>
        <source>&amp;Stop Keeping This Folder</source>
        <translation>Diesen Ordner nicht mehr beh&amp;alten</translation>
    </message>
    <message>
        <source>Duplicate Folders</source>
        <translation>Doppelte Ordner</translation>
    </message>
    <message>
        <source>Also list the folders whose every file has a copy outside them</source>
        <translation>Auch die Ordner auflisten, von deren Dateien jede eine Kopie außerhalb hat</translation>
    </message>
    <message>
        <source>Contained Folders</source>
        <translation>Enthaltene Ordner</translation>
    </message>
    <message>
        <source>Similar Pictures</source>
        <translation>Ähnliche Bilder</translation>
    </message>
    <message>
        <source>Pictures alike to the eye: the same photo in other sizes, formats and light edits</source>
        <translation>Bilder, die für das Auge gleich aussehen: dasselbe Foto in anderen Größen und Formaten oder leicht bearbeitet</translation>
    </message>
    <message>
        <source>Similarity:</source>
        <extracomment>Beside the combo box of how alike pictures must be: Strict, Close or Loose.</extracomment>
        <translation>Ähnlichkeit:</translation>
    </message>
    <message>
        <source>How alike pictures must be to share a group: Strict finds the same picture resized or re-saved, Close also light crops and edits, Loose heavier edits</source>
        <translation>Wie ähnlich sich Bilder einer Gruppe sein müssen: Streng findet dasselbe Bild verkleinert oder neu gespeichert, Ähnlich auch leicht beschnitten oder bearbeitet, Locker auch stärker bearbeitet</translation>
    </message>
</context>
<context>
    <name>MoveMarkedRows</name>
    <message>
        <source>Completed</source>
        <translation>Fertig</translation>
    </message>
</context>
<context>
    <name>OutputPath</name>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; already exists.<byte value="xd"/>
Do you want to replace it?</source>
        <translation>„%1“ existiert bereits.<byte value="xd"/>
Möchten Sie die Datei ersetzen?</translation>
    </message>
</context>
<context>
    <name>PictureGroups</name>
    <message>
        <source>Strict</source>
        <translation>Streng</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Ähnlich</translation>
    </message>
    <message>
        <source>Loose</source>
        <translation>Locker</translation>
    </message>
</context>
<context>
    <name>PicturePreview</name>
    <message>
        <source>%1, %2 bytes</source>
        <extracomment>Under a picture in the viewer: its size in pixels and its format (&quot;4032 x 3024 JPEG&quot;), then its size in bytes.</extracomment>
        <translation>%1, %2 Bytes</translation>
    </message>
</context>
<context>
    <name>ProgressShown</name>
    <message>
        <source>%1 file</source>
        <translation>%1 Datei</translation>
    </message>
    <message>
        <source>%1 files</source>
        <translation>%1 Dateien</translation>
    </message>
    <message>
        <source>%1 folder</source>
        <translation>%1 Ordner</translation>
    </message>
    <message>
        <source>%1 folders</source>
        <translation>%1 Ordnern</translation>
    </message>
    <message>
        <source>%1 in %2</source>
        <extracomment>The progress bar during the walk: &quot;1234 files in 56 folders&quot;.</extracomment>
        <translation>%1 in %2</translation>
    </message>
    <message>
        <source>%1 of %2 file</source>
        <translation>%1 von %2 Datei</translation>
    </message>
    <message>
        <source>%1 of %2 files</source>
        <translation>%1 von %2 Dateien</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>The progress bar while contents are compared: &quot;1.50 GB of 3.00 GB&quot;.</extracomment>
        <translation>%1 von %2</translation>
    </message>
</context>
<context>
    <name>Prompter</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>RaisedError</name>
    <message>
        <source>Out of memory</source>
        <translation>Nicht genügend Arbeitsspeicher</translation>
    </message>
    <message>
        <source>Internal error</source>
        <translation>Interner Fehler</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Index außerhalb des gültigen Bereichs</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Typen unverträglich</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Überlauf</translation>
    </message>
</context>
<context>
    <name>ResultModel</name>
    <message>
        <source>File Name</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>Size(Bytes)</source>
        <translation>Größe (Bytes)</translation>
    </message>
    <message>
        <source>Last Modified.</source>
        <translation>Letzte Änderung.</translation>
    </message>
    <message>
        <source>File Version</source>
        <translation>Dateiversion</translation>
    </message>
    <message>
        <source>Group</source>
        <extracomment>The column of the group number: the files of one group are copies of each other.</extracomment>
        <translation>Gruppe</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Pfad</translation>
    </message>
    <message>
        <source>Ext</source>
        <extracomment>The column of the file name extension.</extracomment>
        <translation>Endung</translation>
    </message>
    <message>
        <source>Replaced with a link to a kept copy: its space is free again</source>
        <translation>Durch einen Link auf eine behaltene Kopie ersetzt: Ihr Platz ist wieder frei</translation>
    </message>
    <message>
        <source>In a reference location: kept as the original, never marked, moved or deleted</source>
        <translation>In einem Referenzort: als Original behalten, nie markiert, verschoben oder gelöscht</translation>
    </message>
    <message>
        <source>Loading Searched Result...</source>
        <translation>Suchergebnis wird geladen...</translation>
    </message>
    <message>
        <source>Loading Searched Result...(%1/%2)</source>
        <translation>Suchergebnis wird geladen...(%1/%2)</translation>
    </message>
    <message>
        <source>Total Files Marked %1 Size %2</source>
        <translation>Markierte Dateien insgesamt %1, Größe %2</translation>
    </message>
    <message>
        <source>Folder Name</source>
        <translation>Ordnername</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Dateien</translation>
    </message>
    <message>
        <source>Dimensions</source>
        <extracomment>The column of a list of similar pictures that holds each picture&apos;s width, height and format.</extracomment>
        <translation>Abmessungen</translation>
    </message>
</context>
<context>
    <name>ResultRow</name>
    <message>
        <source>N/A</source>
        <extracomment>The group column of a file that belongs to no group (the list of empty files), and the version column of a file that has no version.</extracomment>
        <translation>k. A.</translation>
    </message>
</context>
<context>
    <name>SameNameSearch</name>
    <message>
        <source>Searching for same name files...(%1) %2%</source>
        <translation>Suche nach Dateien mit gleichem Namen...(%1) %2 %</translation>
    </message>
</context>
<context>
    <name>SaveFile</name>
    <message>
        <source>Not a file, FIFO or device</source>
        <translation>Keine Datei, FIFO oder Gerätedatei</translation>
    </message>
    <message>
        <source>The file behind the link is no longer at its name</source>
        <translation>Die Datei hinter dem Link liegt nicht mehr unter ihrem Namen</translation>
    </message>
    <message>
        <source>Not replacing another user&apos;s file in a folder everyone can write to</source>
        <translation>Die Datei eines anderen Benutzers in einem für alle beschreibbaren Ordner wird nicht ersetzt</translation>
    </message>
    <message>
        <source>Not following another user&apos;s link in a folder everyone can write to</source>
        <translation>Dem Link eines anderen Benutzers in einem für alle beschreibbaren Ordner wird nicht gefolgt</translation>
    </message>
    <message>
        <source>The file changed while it was opened</source>
        <translation>Die Datei hat sich beim Öffnen geändert</translation>
    </message>
</context>
<context>
    <name>SaveFrm</name>
    <message>
        <source>Re-Scan (Search again for duplicates using byte by byte search engine)</source>
        <translation>Erneut suchen (mit dem Suchverfahren „Byte für Byte“ noch einmal nach Duplikaten suchen)</translation>
    </message>
    <message>
        <source>Check for invalid/dead path</source>
        <translation>Auf ungültige/nicht mehr vorhandene Pfade prüfen</translation>
    </message>
    <message>
        <source>Please select the file and desire options and click open to load.</source>
        <translation>Bitte wählen Sie die Datei und die gewünschten Optionen und klicken Sie zum Laden auf „Öffnen“.</translation>
    </message>
    <message>
        <source>Save parematers only</source>
        <translation>Nur Suchparameter speichern</translation>
    </message>
    <message>
        <source>Save search parameters and result.</source>
        <translation>Suchparameter und Ergebnis speichern.</translation>
    </message>
    <message>
        <source>You can save search session for later review. This is very useful when you deal with huge number of files.</source>
        <translation>Sie können die Suchsitzung speichern, um sie später durchzusehen. Das ist sehr nützlich, wenn Sie mit sehr vielen Dateien arbeiten.</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Durchsuchen</translation>
    </message>
    <message>
        <source>Path </source>
        <translation>Pfad </translation>
    </message>
    <message>
        <source>Close these dialog after completion</source>
        <translation>Diesen Dialog nach Abschluss schließen</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save Dialog</source>
        <translation>Sitzung speichern</translation>
    </message>
    <message>
        <source>Open Dialog</source>
        <translation>Sitzung laden</translation>
    </message>
    <message>
        <source>Saving Location</source>
        <translation>Speicherort wählen</translation>
    </message>
    <message>
        <source>Open Location</source>
        <translation>Sitzungsdatei wählen</translation>
    </message>
    <message>
        <source>File name not specified.</source>
        <translation>Kein Dateiname angegeben.</translation>
    </message>
    <message>
        <source>Recent</source>
        <translation>Zuletzt</translation>
    </message>
    <message>
        <source>Sessions saved or opened recently</source>
        <translation>Zuletzt gespeicherte oder geöffnete Sitzungen</translation>
    </message>
</context>
<context>
    <name>ScanPipeline</name>
    <message>
        <source>%1 file could not be read.</source>
        <translation>%1 Datei konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>%1 files could not be read.</source>
        <translation>%1 Dateien konnten nicht gelesen werden.</translation>
    </message>
    <message>
        <source>%1 folder could not be read.</source>
        <translation>%1 Ordner konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>%1 folders could not be read.</source>
        <translation>%1 Ordner konnten nicht gelesen werden.</translation>
    </message>
    <message>
        <source>%1 and %2 could not be read.</source>
        <extracomment>%1 is &quot;1 file&quot; or &quot;2 files&quot;, %2 is &quot;1 folder&quot; or &quot;2 folders&quot;.</extracomment>
        <translation>%1 und %2 konnten nicht gelesen werden.</translation>
    </message>
    <message>
        <source>%1 file</source>
        <translation>%1 Datei</translation>
    </message>
    <message>
        <source>%1 files</source>
        <translation>%1 Dateien</translation>
    </message>
    <message>
        <source>%1 folder</source>
        <translation>%1 Ordner</translation>
    </message>
    <message>
        <source>%1 folders</source>
        <translation>%1 Ordner</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not searched: no such folder.</source>
        <translation>„%1“ wurde nicht durchsucht: Es gibt keinen solchen Ordner.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not searched: it is a system folder, left out by &quot;Protect System Folders&quot;.</source>
        <translation>„%1“ wurde nicht durchsucht: Er ist ein Systemordner, den „Systemordner schützen“ auslässt.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not searched: it could not be read.</source>
        <translation>„%1“ wurde nicht durchsucht: Er konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Starting search engine, please wait...</source>
        <translation>Suchverfahren wird gestartet, bitte warten...</translation>
    </message>
    <message>
        <source>Comparing folders...</source>
        <translation>Ordner werden verglichen...</translation>
    </message>
    <message>
        <source>Comparing pictures...</source>
        <translation>Bilder werden verglichen...</translation>
    </message>
</context>
<context>
    <name>ScanTotals</name>
    <message>
        <source>Duplicates : 0</source>
        <translation>Duplikate: 0</translation>
    </message>
    <message>
        <source>Duplicate Files: %1  Size: %2</source>
        <extracomment>Status bar: the number of files that have a duplicate, and the bytes they take.</extracomment>
        <translation>Doppelte Dateien: %1  Größe: %2</translation>
    </message>
    <message>
        <source>Files : %1</source>
        <extracomment>Status bar: the number of files the scan found.</extracomment>
        <translation>Dateien: %1</translation>
    </message>
    <message>
        <source>Folders : %1</source>
        <extracomment>Status bar: the number of folders the scan walked.</extracomment>
        <translation>Ordner: %1</translation>
    </message>
    <message>
        <source>Duplicate Folders: %1  Size: %2</source>
        <extracomment>Status bar: the number of folders that are copies of another, and the bytes they take.</extracomment>
        <translation>Doppelte Ordner: %1  Größe: %2</translation>
    </message>
    <message>
        <source>Similar Pictures: %1  Size: %2</source>
        <extracomment>Status bar: the number of pictures that look like another of their group, and their bytes.</extracomment>
        <translation>Ähnliche Bilder: %1  Größe: %2</translation>
    </message>
</context>
<context>
    <name>SearchEngine</name>
    <message>
        <source>Searching for duplicates...(%1) %2%</source>
        <translation>Suche nach Duplikaten...(%1) %2 %</translation>
    </message>
</context>
<context>
    <name>SearchLocationModel</name>
    <message>
        <source>Search Locations</source>
        <translation>Suchorte</translation>
    </message>
    <message>
        <source>Sub Folders</source>
        <translation>Unterordner</translation>
    </message>
    <message>
        <source>File Type</source>
        <translation>Dateityp</translation>
    </message>
    <message>
        <source>Min Size</source>
        <translation>Mindestgröße</translation>
    </message>
    <message>
        <source>Max Size</source>
        <translation>Höchstgröße</translation>
    </message>
    <message>
        <source>Yes</source>
        <extracomment>Sub-folders are searched.</extracomment>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <extracomment>Sub-folders are not searched.</extracomment>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Reference location: its files are kept as the originals, never marked, moved or deleted</source>
        <translation>Referenzort: Seine Dateien werden als Originale behalten, nie markiert, verschoben oder gelöscht</translation>
    </message>
</context>
<context>
    <name>SessionParser</name>
    <message>
        <source>Line %1 holds a NUL character, which no file name can hold.</source>
        <translation>Zeile %1 enthält ein NUL-Zeichen, das kein Dateiname enthalten kann.</translation>
    </message>
    <message>
        <source>Line %1 is longer than any line of a session file.</source>
        <translation>Zeile %1 ist länger als jede Zeile einer Sitzungsdatei.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Die Datei ist leer.</translation>
    </message>
    <message>
        <source>The file ends in the middle of line %1: it was cut off.</source>
        <translation>Die Datei endet mitten in Zeile %1: Sie wurde abgeschnitten.</translation>
    </message>
    <message>
        <source>The header announces %1 result rows, but the file holds %2.</source>
        <translation>Der Kopf kündigt %1 Ergebniszeilen an, die Datei enthält aber %2.</translation>
    </message>
    <message>
        <source>Line 1 is not a session header: it has %1 of the at least 7 fields.</source>
        <translation>Zeile 1 ist kein Sitzungskopf: Sie hat %1 der mindestens 7 Felder.</translation>
    </message>
    <message>
        <source>Line 1: field %1 of the header, %2, is not a number of its kind.</source>
        <translation>Zeile 1: Feld %1 des Kopfes, %2, ist keine Zahl der erwarteten Art.</translation>
    </message>
    <message>
        <source>Line %1: a search location has 6 fields, this line has %2.</source>
        <translation>Zeile %1: Ein Suchort hat 6 Felder, diese Zeile hat %2.</translation>
    </message>
    <message>
        <source>Line %1: the search location %2 is not an absolute path.</source>
        <translation>Zeile %1: Der Suchort %2 ist kein absoluter Pfad.</translation>
    </message>
    <message>
        <source>Line %1: the location&apos;s icon %2 is none of 15 (searched), 16 (excluded) and 19 (reference).</source>
        <translation>Zeile %1: Das Symbol %2 des Suchorts ist weder 15 (durchsucht) noch 16 (ausgeschlossen) noch 19 (Referenz).</translation>
    </message>
    <message>
        <source>Line %1: the header announces %2 result rows, but the file holds more.</source>
        <translation>Zeile %1: Der Kopf kündigt %2 Ergebniszeilen an, die Datei enthält aber mehr.</translation>
    </message>
    <message>
        <source>Line %1: the tenth field of a result row can only be &quot;*&quot; (marked), not %2.</source>
        <translation>Zeile %1: Das zehnte Feld einer Ergebniszeile kann nur „*“ (markiert) sein, nicht %2.</translation>
    </message>
    <message>
        <source>Line %1: a result row has 9 fields, this line has %2.</source>
        <translation>Zeile %1: Eine Ergebniszeile hat 9 Felder, diese Zeile hat %2.</translation>
    </message>
    <message>
        <source>Line %1: the file name %2 is not valid.</source>
        <translation>Zeile %1: Der Dateiname %2 ist ungültig.</translation>
    </message>
    <message>
        <source>Line %1: the size %2 is not valid.</source>
        <translation>Zeile %1: Die Größe %2 ist ungültig.</translation>
    </message>
    <message>
        <source>Line %1: the date %2 is not valid.</source>
        <translation>Zeile %1: Das Datum %2 ist ungültig.</translation>
    </message>
    <message>
        <source>Line %1: the folder %2 is not valid.</source>
        <translation>Zeile %1: Der Ordner %2 ist ungültig.</translation>
    </message>
    <message>
        <source>Line %1: the size key %2 is not valid.</source>
        <translation>Zeile %1: Der Größenschlüssel %2 ist ungültig.</translation>
    </message>
    <message>
        <source>Line %1: the date key %2 is not valid.</source>
        <translation>Zeile %1: Der Datumsschlüssel %2 ist ungültig.</translation>
    </message>
    <message>
        <source>Line %1: the group key %2 is not valid.</source>
        <translation>Zeile %1: Der Gruppenschlüssel %2 ist ungültig.</translation>
    </message>
    <message>
        <source>Line 1: the search engine %1 is not one of 1 to 6.</source>
        <translation>Zeile 1: Die Suchmethode %1 ist keine von 1 bis 6.</translation>
    </message>
    <message>
        <source>Line 1: the similarity %1 is not one of 0 (strict), 1 (close) and 2 (loose).</source>
        <translation>Zeile 1: Die Ähnlichkeit %1 ist keine von 0 (streng), 1 (ähnlich) und 2 (locker).</translation>
    </message>
</context>
<context>
    <name>SessionReader</name>
    <message>
        <source>Loading Searched Result...(%1)</source>
        <translation>Suchergebnis wird geladen...(%1)</translation>
    </message>
    <message>
        <source>File Not Found</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <source>Damaged Session File</source>
        <translation>Beschädigte Sitzungsdatei</translation>
    </message>
</context>
<context>
    <name>SessionState</name>
    <message>
        <source>Add search path and click on the scan button to start search.</source>
        <translation>Fügen Sie einen Suchpfad hinzu und klicken Sie auf „Suchen“, um die Suche zu starten.</translation>
    </message>
</context>
<context>
    <name>ShownSize</name>
    <message>
        <source>%1 GB</source>
        <extracomment>A size in gigabytes (1024 MB); %1 is the number with two decimals.</extracomment>
        <translation>%1 GB</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <extracomment>A size in megabytes (1024 KB); %1 is the number with two decimals.</extracomment>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <extracomment>A size in kilobytes (1024 bytes); %1 is the number with two decimals.</extracomment>
        <translation>%1 KB</translation>
    </message>
    <message numerus="yes">
        <source>%n Bytes</source>
        <extracomment>A size below one kilobyte, in bytes.</extracomment>
        <translation>
            <numerusform>%n Byte</numerusform>
            <numerusform>%n Bytes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SingleFileActions</name>
    <message>
        <source>A file name cannot contain any of the following characters:
\ / : * ? &quot; &lt;&gt; |</source>
        <translation>Ein Dateiname darf keines der folgenden Zeichen enthalten:
\ / : * ? &quot; &lt;&gt; |</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is in a reference location: its files keep their names.</source>
        <translation>„%1“ liegt in einem Referenzort: Seine Dateien behalten ihre Namen.</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>Please type new name for
%1</source>
        <translation>Bitte geben Sie einen neuen Namen ein für
%1</translation>
    </message>
    <message>
        <source>A file named &quot;%1&quot; already exists.</source>
        <translation>Eine Datei namens „%1“ existiert bereits.</translation>
    </message>
    <message>
        <source>The file is no longer there.</source>
        <translation>Die Datei ist nicht mehr vorhanden.</translation>
    </message>
    <message>
        <source>Cannot rename &quot;%1&quot;.
%2</source>
        <translation>„%1“ kann nicht umbenannt werden.
%2</translation>
    </message>
    <message>
        <source>There is no program associated with the specified type of file.</source>
        <translation>Diesem Dateityp ist kein Programm zugeordnet.</translation>
    </message>
</context>
<context>
    <name>SizeLimitDialog</name>
    <message>
        <source>Maximum size limit</source>
        <translation>Größenbegrenzung</translation>
    </message>
    <message>
        <source>Mark all duplicate files upto the specified size.</source>
        <translation>Alle doppelten Dateien bis zur angegebenen Größe markieren.</translation>
    </message>
    <message>
        <source>CD (700 MB)</source>
        <translation>CD (700 MB)</translation>
    </message>
    <message>
        <source>DVD (4.3 GB)</source>
        <translation>DVD (4,3 GB)</translation>
    </message>
    <message>
        <source>Specify :</source>
        <translation>Angeben:</translation>
    </message>
    <message>
        <source>KB</source>
        <translation>KB</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>GB</source>
        <translation>GB</translation>
    </message>
    <message>
        <source>Mark Large Files First</source>
        <translation>Große Dateien zuerst markieren</translation>
    </message>
    <message>
        <source>This option is helpful when you want to make backup copies of Duplicate Files in a CD, DVD etc and have size limits.</source>
        <translation>Diese Option hilft, wenn Sie Sicherungskopien der doppelten Dateien auf CD, DVD usw. anlegen wollen und dabei an eine Größenbegrenzung gebunden sind.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source> type only integer values</source>
        <translation> Geben Sie nur ganze Zahlen ein</translation>
    </message>
</context>
<context>
    <name>StatusTexts</name>
    <message>
        <source>Search Terminated.</source>
        <translation>Suche abgebrochen.</translation>
    </message>
    <message>
        <source>Search Completed.</source>
        <translation>Suche abgeschlossen.</translation>
    </message>
</context>
<context>
    <name>TellFrm</name>
    <message>
        <source>I Like Corvina</source>
        <translation>Corvina gefällt mir</translation>
    </message>
    <message>
        <source>Glad Corvina helps! If a friend&apos;s disk is full of copies too, pass these words on (change them as you like):</source>
        <translation>Schön, dass Corvina Ihnen hilft! Wenn die Festplatte eines Freundes auch voller Kopien ist, geben Sie diese Worte weiter (ändern Sie sie nach Belieben):</translation>
    </message>
    <message>
        <source>I use Corvina to find duplicate files. It lists every group of identical files, lets me mark the copies I don&apos;t need and sends them to the trash, so nothing is lost by mistake. Worth a try if your disk is filling up.</source>
        <translation>Ich finde doppelte Dateien mit Corvina. Es listet jede Gruppe gleicher Dateien auf, lässt mich die Kopien markieren, die ich nicht brauche, und schiebt sie in den Papierkorb, sodass nichts aus Versehen verloren geht. Einen Versuch wert, wenn die Festplatte voll wird.</translation>
    </message>
    <message>
        <source>&amp;Copy to Clipboard</source>
        <translation>In die Zwischenablage &amp;kopieren</translation>
    </message>
</context>
<context>
    <name>TipFrm</name>
    <message>
        <source>Tip of the Day</source>
        <translation>Tipp des Tages</translation>
    </message>
    <message>
        <source>Did you know...</source>
        <translation>Wussten Sie schon...</translation>
    </message>
    <message>
        <source>Show Tips at Startup</source>
        <translation>Tipps beim Start anzeigen</translation>
    </message>
    <message>
        <source>&amp;Next Tip</source>
        <translation>&amp;Nächster Tipp</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <extracomment>Closes the tip of the day.</extracomment>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Press Add to choose a folder to search; the folder picker opens at once. Double-click a location to change it.</source>
        <translation>Klicken Sie auf „Hinzufügen“, um einen zu durchsuchenden Ordner zu wählen; die Ordnerauswahl öffnet sich sofort. Doppelklicken Sie auf einen Suchort, um ihn zu ändern.</translation>
    </message>
    <message>
        <source>Tick &quot;Exclude Folder&quot; in the Add/Exclude Folders window to leave a folder out of every scan, for example the backup you mean to keep.</source>
        <translation>Kreuzen Sie im Fenster „Ordner hinzufügen/ausschließen“ „Ordner ausschließen“ an, um einen Ordner aus jeder Suche herauszuhalten, zum Beispiel die Sicherung, die Sie behalten wollen.</translation>
    </message>
    <message>
        <source>A minimum size of 10 KB passes over the many tiny files that are seldom worth cleaning up; empty the box and 10 KB is used.</source>
        <translation>Eine Mindestgröße von 10 KB übergeht die vielen winzigen Dateien, bei denen sich das Aufräumen selten lohnt; bleibt das Feld leer, gelten 10 KB.</translation>
    </message>
    <message>
        <source>Click a column header to sort the results, and click again to reverse the order. Rows of one group keep their colour band.</source>
        <translation>Klicken Sie auf einen Spaltenkopf, um die Ergebnisse zu sortieren, und klicken Sie erneut, um die Reihenfolge umzukehren. Die Zeilen einer Gruppe behalten ihr Farbband.</translation>
    </message>
    <message>
        <source>Action, Mark Quick, Mark All Duplicates marks every copy but the newest file of each group.</source>
        <translation>„Aktionen“, „Schnell markieren“, „Alle Duplikate markieren“ markiert in jeder Gruppe jede Kopie außer der neuesten Datei.</translation>
    </message>
    <message>
        <source>Click the small box at the left of a row, or press the space bar, to mark or unmark a file.</source>
        <translation>Klicken Sie auf das kleine Kästchen links in einer Zeile oder drücken Sie die Leertaste, um eine Datei zu markieren oder die Markierung aufzuheben.</translation>
    </message>
    <message>
        <source>Leave &quot;Send to Recycle Bin&quot; on: deleted files then go to the trash, where you can restore them.</source>
        <translation>Lassen Sie „In den Papierkorb verschieben“ eingeschaltet: Gelöschte Dateien kommen dann in den Papierkorb, aus dem Sie sie wiederherstellen können.</translation>
    </message>
    <message>
        <source>Save Session keeps your locations, options and results in a .cvf file; Load Session brings them back.</source>
        <translation>„Sitzung speichern“ legt Ihre Suchorte, Optionen und Ergebnisse in einer .cvf-Datei ab; „Sitzung laden“ holt sie zurück.</translation>
    </message>
    <message>
        <source>Press Esc to cancel a running scan.</source>
        <translation>Drücken Sie Esc, um eine laufende Suche abzubrechen.</translation>
    </message>
    <message>
        <source>Export writes the result list as a delimited text file or as an HTML report.</source>
        <translation>„Exportieren“ schreibt die Ergebnisliste als Textdatei mit Trennzeichen oder als HTML-Bericht.</translation>
    </message>
</context>
<context>
    <name>TooManyFilesDialog</name>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>You are warned that it may resulted in errors.</source>
        <translation>Seien Sie gewarnt, dass dies zu Fehlern führen kann.</translation>
    </message>
    <message>
        <source>Recommendation:</source>
        <extracomment>Stands in the room of 35 blanks at the start of the recommendation&apos;s first line: keep it short.</extracomment>
        <translation>Empfehlung:</translation>
    </message>
    <message>
        <source>To reduce the number of files in a single search, you can set the min. file size, say 10 KB, as you probably don&apos;t interest in some small files. You can also exclude some folders.</source>
        <translation>Um die Zahl der Dateien einer Suche zu verringern, können Sie die Mindestgröße setzen, etwa auf 10 KB, da Sie sich für sehr kleine Dateien vermutlich nicht interessieren. Sie können auch Ordner ausschließen.</translation>
    </message>
    <message>
        <source>To continue, click OK; to stop, click Cancel.</source>
        <translation>Klicken Sie zum Fortfahren auf „OK“, zum Anhalten auf „Abbrechen“.</translation>
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
        <source>You are about to scan a collection of too many files, total %1 files.  </source>
        <translation>Sie sind dabei, eine Sammlung mit sehr vielen Dateien zu durchsuchen, insgesamt %1 Dateien.  </translation>
    </message>
</context>
<context>
    <name>TypedFolder</name>
    <message>
        <source>&quot;%1&quot; is not a full path: type one that starts with &quot;/&quot; or &quot;~&quot;.</source>
        <translation>„%1“ ist kein vollständiger Pfad: Geben Sie einen ein, der mit „/“ oder „~“ beginnt.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a file, not a folder.</source>
        <translation>„%1“ ist eine Datei, kein Ordner.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; does not exist.</source>
        <translation>Der Ordner „%1“ existiert nicht.</translation>
    </message>
</context>
<context>
    <name>UndoLastAct</name>
    <message numerus="yes">
        <source>Undo of the copy of %1: %n copies removed.</source>
        <translation>
            <numerusform>Rückgängig gemacht, die Kopie vom %1: %n Kopie entfernt.</numerusform>
            <numerusform>Rückgängig gemacht, die Kopie vom %1: %n Kopien entfernt.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Undo of the clean-up of %1 (%2): %n files put back.</source>
        <translation>
            <numerusform>Rückgängig gemacht, die Aufräumaktion vom %1 (%2): %n Datei zurückgelegt.</numerusform>
            <numerusform>Rückgängig gemacht, die Aufräumaktion vom %1 (%2): %n Dateien zurückgelegt.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files are no longer where Corvina put them: %1</source>
        <translation>
            <numerusform>%n Datei ist nicht mehr dort, wo Corvina sie abgelegt hat: %1</numerusform>
            <numerusform>%n Dateien sind nicht mehr dort, wo Corvina sie abgelegt hat: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files were left as they are:</source>
        <translation>
            <numerusform>%n Datei wurde gelassen, wie sie ist:</numerusform>
            <numerusform>%n Dateien wurden gelassen, wie sie sind:</numerusform>
        </translation>
    </message>
    <message>
        <source>There is no clean-up to undo.</source>
        <translation>Es gibt keine Aufräumaktion, die rückgängig gemacht werden kann.</translation>
    </message>
</context>
<context>
    <name>WarningFrm</name>
    <message>
        <source>Warning!</source>
        <translation>Warnung!</translation>
    </message>
    <message>
        <source>It is highly recommended to keep at least one original file</source>
        <translation>Es wird dringend empfohlen, mindestens eine Originaldatei zu behalten</translation>
    </message>
    <message>
        <source>Both original and duplicate files are marked</source>
        <translation>Sowohl Original- als auch doppelte Dateien sind markiert</translation>
    </message>
    <message>
        <source>Row</source>
        <extracomment>The column of each file&apos;s position in the result list.</extracomment>
        <translation>Zeile</translation>
    </message>
    <message>
        <source>&amp;Keep all original files</source>
        <translation>Alle Original&amp;dateien behalten</translation>
    </message>
    <message>
        <source>It will automatically keep one file in each group.</source>
        <translation>Behält automatisch eine Datei in jeder Gruppe.</translation>
    </message>
    <message>
        <source>Ig&amp;nore warnings</source>
        <translation>Warnungen &amp;ignorieren</translation>
    </message>
    <message>
        <source>Press these button if you want to ignore repeated warnings!</source>
        <translation>Drücken Sie diese Schaltfläche, wenn Sie wiederholte Warnungen übergehen wollen!</translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation>&amp;Fortfahren</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>You have not made any changes, are you sure you want to continue?<byte value="xd"/>
<byte value="xd"/>
It is highly recommended to keep at least one original file</source>
        <translation>Sie haben nichts geändert. Möchten Sie wirklich fortfahren?<byte value="xd"/>
<byte value="xd"/>
Es wird dringend empfohlen, mindestens eine Originaldatei zu behalten</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>corvina: %1</source>
        <extracomment>On standard error when Corvina cannot start; %1 says why (&quot;cannot find your home folder: ...&quot;).</extracomment>
        <translation>corvina: %1</translation>
    </message>
    <message>
        <source>Corvina %1.</source>
        <extracomment>The message box when Corvina cannot start; %1 says why (&quot;cannot find your home folder: ...&quot;).</extracomment>
        <translation>Corvina %1.</translation>
    </message>
</context>
</TS>
