<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>AboutFrm</name>
    <message>
        <source>About Corvina</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finds the files that are the same on your disks and network shares, and helps you remove the copies you do not need.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Corvina is free software: you may share and change it under the GNU General Public License, version 3 or (at your option) any later version. It comes with no warranty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Built with Qt %1, running on Qt %2.</source>
        <extracomment>%1 is the Qt version Corvina was built with, %2 the one it runs on.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Qt is used under the GNU Lesser General Public License, version 3. The end sound is played through libcanberra (GNU LGPL 2.1 or later); CRC32 checksums come from zlib (zlib licence) and block digests from xxHash (BSD 2-Clause licence).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Corvina sends nothing over the network.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Corvina v3.0</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ActionDriver</name>
    <message>
        <source>No items marked/checked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move selected files to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy selected files to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only the identical files that Byte to Byte or CRC32 finds can be replaced with links.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ActionError</name>
    <message>
        <source>Unable to delete file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to move file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to copy file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File changed since the search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No unmarked copy of the file is left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File cannot be traced to a search location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder changed since the search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No unmarked copy has the same contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File is in a reference location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to replace file with a link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kept copy is on another file system</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File system cannot make clones</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kept copy differs in owner, permissions or attributes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Owner, permissions or attributes could not be kept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only a file in a reference location is left to link to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File is not empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No unmarked copy has the same name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No unmarked copy is similar enough</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ActionRunDialog</name>
    <message>
        <source>&amp;OK</source>
        <extracomment>Starts the run, and closes the dialog once it is done.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <extracomment>Closes the dialog before anything was done; after the run the button reads &quot;&amp;OK&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopping...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AdvMarkFrm</name>
    <message>
        <source>File Mask :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Advance Marking</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>By Range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>By Folders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep Newer Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep Older Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep Larger Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep Smaller Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep Newer Version Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep Older Version Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size Limit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CD (700 MB)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DVD (4.3 GB)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Specify :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>KB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This option is helpful when you want to make backup copies of Duplicate Files in a CD, DVD etc and have size limits.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Include Sub-Folders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uncheck all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear all marks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type only integer values</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AppFolders</name>
    <message>
        <source>cannot find your home folder: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot find your home folder: &quot;%1&quot; does not exist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HOME is not set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HOME is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HOME is not a full path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 and the user database cannot be read for uid %2</source>
        <extracomment>%1 says what is wrong with HOME, such as &quot;HOME is not set&quot;; %2 is a user number.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 and the user database has no entry for uid %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 and the user database gives no home folder for uid %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BugFrm</name>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error number:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While:</source>
        <extracomment>Before the name of the step that failed, such as &quot;Scanning&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line:</source>
        <extracomment>Before the line of the program&apos;s source where the step failed.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Retry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abort</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send Error Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The error report was copied to the clipboard.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CHive</name>
    <message>
        <source>Invalid Index.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key not Found in the Hive.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key cannot be Integer or Long or Byte or any kind of Fixed Digit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duplicate Key.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CliActions</name>
    <message>
        <source>%1 of %2 marked files moved to the trash (%3 marked), %4 refused or failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 marked files deleted (%3 marked), %4 refused or failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 marked files moved (%3 marked), %4 refused or failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 marked files copied (%3 marked), %4 refused or failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 marked files replaced with links (%3 marked), %4 refused or failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>groups whose every file is marked keep their last file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 freed</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CliOptions</name>
    <message>
        <source>only one of --trash, --delete, --move, --copy and --link can be given</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--%1 wants a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mark files by RULE after the search or --load; may be repeated, applied in order, starting from no marks. RULE is all-duplicates (every file of a group but the newest), keep-oldest (all but the oldest), keep-largest (all but the largest), keep-smallest (all but the smallest), saved (also the files marked in the session file of --load) or in:FOLDER (also every file in FOLDER and below it). Marking never reorders the list. The marks of a loaded session are shown, and acted on only with --mark saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--mark is all-duplicates, keep-oldest, keep-largest, keep-smallest, saved or in:FOLDER; not &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>move the marked files to the trash, from where they can be restored</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>delete the marked files for good</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>move the marked files into FOLDER (a name taken there gets a number)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>copy the marked files into FOLDER (a name taken there gets a number)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>replace the marked files with links to an unmarked copy with the same bytes, so every path keeps working and the space is freed: hard (a hard link: one file under two names, on one file system) or clone (a file of its own sharing the copy&apos;s blocks, on btrfs or XFS)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--link is hard or clone; not &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>with --copy or --move: put each file below FOLDER in a folder named after its search folder (a second one of the same name gets a number) and, inside it, the folders it was found in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>with --trash, --delete or --move: afterwards remove each folder that held a marked file and is empty now; never a search or reference folder, nor a folder with a file system mounted on it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>with --trash, --delete, --move, --copy or --link: check each marked file as the action would and print what would be done, changing nothing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--trash, --delete, --move, --copy and --link act on marked files: say which with --mark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--dry-run works only with --trash, --delete, --move, --copy or --link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--keep-structure works only with --move or --copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--remove-empty-folders works only with --trash, --delete or --move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--mark saved works only with --load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--%1 wants a size in kilobytes, not &quot;%2&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--%1 %2 is too large: at most %3 kilobytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>how files are compared: byte (whole contents, the default), crc (CRC-32 checksums), name (same file names, contents not compared) or zero (list the empty files)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--engine is one of byte, crc, name, zero; not &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>with --engine byte: take files of one size as copies when at least half of their 1000-byte blocks are equal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>only files whose extension occurs in TEXT, such as &quot;*.jpg;*.png&quot; (default &quot;All files(*.*)&quot;: every file)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--mask wants a mask such as &quot;*.jpg;*.png&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>only files of at least KB kilobytes (default 0)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>only files of at most KB kilobytes (default: no limit)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>search only the folders named, not their sub-folders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>search FOLDER too, and keep its files as the originals: they are never marked, moved or deleted, and groups of them alone are not shown (may be repeated)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--reference wants a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>leave out FOLDER and everything below it (may be repeated)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--exclude wants a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>include hidden files and folders (names starting with &quot;.&quot;)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>also search the system folders (/usr, /etc, /var, ...)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>text (numbered groups, the default), groups (one group per line, the full paths separated by a TAB), json (a JSON array of the groups) or null (the full paths, each followed by a NUL byte, for xargs -0; with --mark only the marked files)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--format is text, groups, json or null; not &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no progress line and no summary on standard error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>list in the summary each folder and file that could not be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>show this text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown option &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown option &quot;--%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--%1 wants a value (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--%1 takes no value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no folder to search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--fuzzy works only with --engine byte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the maximum size (--max %1) must be greater than the minimum size (--min %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output: the groups go to standard output; a progress line (when standard error is a terminal) and the closing summary go to standard error. The summary counts the folders and files that could not be read (no permission, a path too long), and names each search folder left out; --verbose lists what could not be read. None of these changes the exit status.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Names: in the text and groups formats, and on standard error, a name is written as its bytes, except that a backslash is written as \\, a TAB, newline and carriage return as \t, \n and \r, and any other control character and any byte that is not UTF-8 as \xHH (two hexadecimal digits); printf &apos;%b&apos; turns such a name back into its bytes. The null format writes names as their bytes. In json a name that is not UTF-8 has U+FFFD in &quot;path&quot; for each byte that is not, and its exact bytes, base64-encoded, in &quot;path_base64&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Acting: a file is trashed, deleted or moved only when it is still the file the search saw, reached from its search folder without following a link, and (for byte and crc searches) an unmarked file of its group still holds the same bytes; a copy needs the first of these. A group whose every file is marked keeps its last file. In the text output a marked file&apos;s line starts with &quot;*&quot;. Each file refused or failed is written to standard error as &quot;NUMBER TEXT: PATH&quot;, such as &quot;1012 No unmarked copy has the same contents: /photos/b.jpg&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit status: 0 when the search completed (and every marked file was done), 1 when it failed (a folder that does not exist, a session file that cannot be read or written, an error while searching), 2 when the command line is wrong, 3 when some marked files were refused or failed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: corvina-cli [options] FOLDER...
       corvina-cli [options] --session FILE
       corvina-cli [options] --load FILE [--rescan]
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finds the files in the FOLDERs (and their sub-folders) that are copies of each other and prints them in groups: the first file of a group is the original, the others are its copies. Nothing on the disk is changed but the files that --save, --save-params and --export name, and the marked files that --trash, --delete, --move or --link act on. Symbolic links are never followed, and a file reached twice (overlapping folders, hard links) counts once.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the same as --help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Session files and exports:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Marking and acting on the marked files:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--%1 wants a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>search the folders of the session file FILE (.cvf) with its engine and options, as &quot;corvina FILE&quot; does; give no FOLDER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>show the saved result of the session file FILE instead of searching; give no FOLDER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>with --load: compare the saved files again and show only what is still duplicated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>write the folders, options and the result to the session file FILE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>write the folders and options, without the result, to the session file FILE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>write the result to FILE (&quot;-&quot;: standard output) as delimited text or as an HTML page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>csv (delimited text, the default) or html (a web page)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--export-format is csv or html; not &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>between the fields of a csv export: comma (the default), semi (&quot;;&quot;), tab (a single blank, as Corvina&apos;s &quot;TAB&quot; choice writes) or any other text, which is used as it is</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>all (the default) or marked (only the marked files: those --mark marked, or without --mark those marked in the session file of --load; with none marked only the header is written)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--export-rows is all or marked; not &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--session and --load cannot be combined</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 takes its folders from the file; give no FOLDER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 takes the engine and the folder options from the file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>only one of --save, --save-params and --export can write to standard output (&quot;-&quot;)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--rescan works only with --load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--export-format, --delimiter and --export-rows work only with --export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--delimiter works only with --export-format csv</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CliOutput</name>
    <message>
        <source>Duplicate Files: %1  Size: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folders : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not searched: %1 (no such folder)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not searched: %1 (a system folder; --no-protect searches it)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not searched: %1 (it could not be read)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 folders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not read: %1, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not read: %1, %2 (--verbose lists them)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  folder %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  file %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CliRun</name>
    <message>
        <source>no such folder: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (see corvina-cli --help)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1; --trash needs it for the trash</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CliScanSink</name>
    <message>
        <source>error %1 in &quot;%2&quot;: %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CliSession</name>
    <message>
        <source>cannot read the session file &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot read the session file &quot;%1&quot;: no such file</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DeleteFilesDialog</name>
    <message>
        <source>Send to Recycle bin (recommended)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Respond with &quot; &amp;Yes to All &quot; for any dialog box that is displayed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove Empty &amp;Folders / Directories after process.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Err Log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deletion Option</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning! The files that you delete using this tool are entirely your selection. Corvina can only find duplicate copies of files, it can&apos;t tell which one is the duplicate/unneeded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Processing file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Every copy of the files of %n group(s) is marked, and they will be deleted permanently: nothing of them will be left, not even in the trash.

Are you sure you want to continue?</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Are you sure to preceed.
This will delete the files permanently i.e., they are not sent to the recycle bin.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error Logs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to write the error log to &quot;%1&quot;.
%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DeleteMarkedRows</name>
    <message>
        <source>Completed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to send &quot;%1&quot; to the trash?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to delete &quot;%1&quot; permanently?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EmptyFolders</name>
    <message>
        <source>Checking for empty folders. Please wait...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ErrorLog</name>
    <message>
        <source>Error %1</source>
        <extracomment>The file name the save dialog proposes for the error log; %1 is the date as dd-mm-yyyy.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ExportDialog</name>
    <message>
        <source>Export Wizard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Format </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delimited Text File (for database or spreedsheets)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HTML (webpage)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files to export </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark Files Only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selected Files Only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open file after export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output File Name </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Field Delimeter </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TAB</source>
        <extracomment>The delimiter that is a tab character.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comma</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Semi-colen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other Character String</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Webpage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt; Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No duplicate file has been found!<byte value="xd"/>
First you must perform a search and find at least one duplicate file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output filename not specified</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Locations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delimited Format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no program associated with the specified type of file.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FeedbackFrm</name>
    <message>
        <source>Corvina Feedback</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Corvina is being removed from this computer. If you have a moment, tell us why: what was missing, what went wrong, what you would have liked instead.

Corvina sends nothing over the network: copy your words into an e-mail or an issue report.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy to Clipboard</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileCMFrm</name>
    <message>
        <source>Please select the folder, drive or network share where the files shall be move to.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select the folder, drive or network share where the files shall be copy to.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove Empty &amp;Folders / Directories after process.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Respond with &quot;Yes to All&quot; for any dialog box that is displayed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy with directory structure.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open destnation folder after process completed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move files to...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy files to...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move selected files to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy selected files to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Path not specified, Please specify copy/move location first</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileErrors</name>
    <message>
        <source>Path not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device I/O error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileInfoFrm</name>
    <message>
        <source>Picture Viewer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to disable picture viewer?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileMasks</name>
    <message>
        <source>All files(*.*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Documents(*.doc *.pdf *.rtf *.xls *.ppt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File archive (*.zip *.cab *.arc *.arj *.rar *.jar)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Images  (*.bmp *.gif *.jpg *.jpeg *.pcx *.png *.psd *.tif *.wmf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Music files (*.mpa *.mp2 *.mp3 *.wav *.mid *.midi *.aif *.aiff *.au *.rmi *.snd *.ogg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program files (*.exe *.dll *.com *.sys *.ocx *.vbx *.bat *.msi)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program source (*.asm *.c *.cpp *.css *.h *.bas *.vba *.dpr *.dfm *.inc *.pas *.js *.java)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text files  (*.txt *.bak)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Video clips (*.avi *.mov *.mpg *.m1v *.mpeg *.qt *.wm *.wmv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Web pages  (*.htm *.html *.php *.asp *.xml)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileOpResult</name>
    <message>
        <source>The file has changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is already in that folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The copy differs from the original.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No free name is left in the destination folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The path does not start at the root folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The files are on different file systems.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file system cannot make clones.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The files differ in owner, group, permissions or attributes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file&apos;s owner, group, permissions or attributes could not be kept.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileOpen</name>
    <message>
        <source>Not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FilePropertiesFrm</name>
    <message>
        <source>%1 Properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1:</source>
        <extracomment>A caption before its value: &quot;Size:&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not recorded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file no longer exists.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2 bytes)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modified</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accessed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Changed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Created</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Permissions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Owner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group</source>
        <extracomment>The group that owns the file.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FolderFrm</name>
    <message>
        <source>Add/Exclude Folders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose Folder to Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Include Sub Folders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exclude Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Reference: keep every file found here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The files of a reference location count as the originals: they are never marked, moved or deleted, and groups of them alone are not listed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Path :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Mask(s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Size in Range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>KB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximum size must be greater then minimum size</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FolderTickModel</name>
    <message>
        <source>Folders</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FuzzyFrm</name>
    <message>
        <source>Fuzzy  match</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fuzzy match tolerate files with little difference. File transmission errors over network can be ignored in this mode. Files downloaded by P2P program e.g. eMule/Kazaa may contain this kind of files. (see example below)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File A</source>
        <extracomment>The names of the two example files in the picture.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File A is identical to file B though there is little difference between them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GetFilesLib</name>
    <message>
        <source>Scanning... %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HelpFrm</name>
    <message>
        <source>Corvina Help</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LinkFrm</name>
    <message>
        <source>Replace with hard links</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace with clones</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each marked file is replaced with a hard link to an unmarked copy that holds the same bytes: every path keeps working and opens the same content, and the space of the marked file is freed. A hard link is the copy itself under a second name, so both must be on one file system and have the same owner, permissions and attributes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each marked file is replaced with a clone of an unmarked copy that holds the same bytes: a file of its own, with the owner, permissions and attributes of the file it replaces, that shares the copy&apos;s blocks on the disk until one of them is changed. Only file systems such as btrfs and XFS can make clones.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progress</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LinkMarkedRows</name>
    <message numerus="yes">
        <source>Completed: %n files replaced, %1 freed</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MainFrm</name>
    <message>
        <source>Unloading</source>
        <extracomment>The step named in the error report: the main window closing.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Corvina v3.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorting Column : %1</source>
        <extracomment>The step named in the error report; %1 is the column&apos;s number.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>100% Completed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please add search path first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure to cancel searching?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Folders</source>
        <extracomment>The step named in the error report: adding or changing a search location.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is highly recommended to leave this option checked to prevent loss of data.
Do you want to leave this option</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Session</source>
        <extracomment>The step named in the error report: File, New Session.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The result list and its marks on %1 file will be lost.
Do you want to go on?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The result list and its marks on %1 files will be lost.
Do you want to go on?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add search path and click on the scan button to start search.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This will delete the files permanently i.e., they are not sent to the recycle bin.
Are you sure you want to preceed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Scan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <extracomment>File menu: stops the running scan.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add Location...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Remove Location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New Session</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Load Session</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sa&amp;ve Session</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show &amp;Picture Viewer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send to Recycle &amp;Bin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cl&amp;ose</source>
        <extracomment>File menu: closes the main window and ends Corvina.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Action</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ad&amp;vance Marking</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <extracomment>Action menu: copies the marked files to a folder.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Move </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace with &amp;hard links</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace with clo&amp;nes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove from result &amp;list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open &amp;Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Mar&amp;k Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy &amp;path to clipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Propert&amp;ies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark &amp;Quick</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;None</source>
        <extracomment>Mark Quick menu: unmarks every row.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark &amp;All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark &amp;Selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;UnMark Selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark All &amp;Duplicates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark All Duplicates up&amp;to...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark &amp;Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark Folder and Su&amp;b Folders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tip of the day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;FAQ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help &amp;Online</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I &amp;Like Corvina</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Corvina</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toolbar</source>
        <extracomment>The toolbar&apos;s name, where the desktop lists the window&apos;s toolbars.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here to start your search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel current process</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select the desire marking option for deletion/moving/copeing files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here to copy all marked files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here to move all marked files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here to delete all marked files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here to rename selected file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export the result to selected format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Viewer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show/Hide picture viewer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recycle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set the default deletion destination</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add</source>
        <extracomment>The button that adds a search location.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add a folder to search or to exclude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove</source>
        <extracomment>The button that removes the selected search location.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove the selected location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search Engine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Byte to Byte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cyclic Redundancy Check (CRC32)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Same Name Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zero Size Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use Fuzzy Logic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Protect System Folders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Include Hidden Folders and Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark Selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UnMark Selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark Folder and Sub Folders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark All Duplicates</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MoveMarkedRows</name>
    <message>
        <source>Completed</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OutputPath</name>
    <message>
        <source>Confirm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; already exists.<byte value="xd"/>
Do you want to replace it?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProgressShown</name>
    <message>
        <source>%1 file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 folders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 in %2</source>
        <extracomment>The progress bar during the walk: &quot;1234 files in 56 folders&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>The progress bar while contents are compared: &quot;1.50 GB of 3.00 GB&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Prompter</name>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RaisedError</name>
    <message>
        <source>Out of memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Internal error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ResultModel</name>
    <message>
        <source>File Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size(Bytes)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last Modified.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group</source>
        <extracomment>The column of the group number: the files of one group are copies of each other.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ext</source>
        <extracomment>The column of the file name extension.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replaced with a link to a kept copy: its space is free again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In a reference location: kept as the original, never marked, moved or deleted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading Searched Result...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading Searched Result...(%1/%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Files Marked %1 Size %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ResultRow</name>
    <message>
        <source>N/A</source>
        <extracomment>The group column of a file that belongs to no group (the list of empty files).</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SameNameSearch</name>
    <message>
        <source>Searching for same name files...(%1) %2%</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SaveFile</name>
    <message>
        <source>Not a file, FIFO or device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file behind the link is no longer at its name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not replacing another user&apos;s file in a folder everyone can write to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not following another user&apos;s link in a folder everyone can write to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file changed while it was opened</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SaveFrm</name>
    <message>
        <source>Re-Scan (Search again for duplicates using byte by byte search engine)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check for invalid/dead path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select the file and desire options and click open to load.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save parematers only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save search parameters and result.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You can save search session for later review. This is very useful when you deal with huge number of files.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Path </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close these dialog after completion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Dialog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Dialog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saving Location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File name not specified.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScanPipeline</name>
    <message>
        <source>%1 file could not be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 files could not be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 folder could not be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 folders could not be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 and %2 could not be read.</source>
        <extracomment>%1 is &quot;1 file&quot; or &quot;2 files&quot;, %2 is &quot;1 folder&quot; or &quot;2 folders&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 folders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not searched: no such folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not searched: it is a system folder, left out by &quot;Protect System Folders&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not searched: it could not be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starting search engine, please wait...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScanTotals</name>
    <message>
        <source>Duplicates : 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duplicate Files: %1  Size: %2</source>
        <extracomment>Status bar: the number of files that have a duplicate, and the bytes they take.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files : %1</source>
        <extracomment>Status bar: the number of files the scan found.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folders : %1</source>
        <extracomment>Status bar: the number of folders the scan walked.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SearchEngine</name>
    <message>
        <source>Searching for duplicates...(%1) %2%</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SearchLocationModel</name>
    <message>
        <source>Search Locations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sub Folders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Min Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <extracomment>Sub-folders are searched.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <extracomment>Sub-folders are not searched.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reference location: its files are kept as the originals, never marked, moved or deleted</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SessionParser</name>
    <message>
        <source>Line %1 holds a NUL character, which no file name can hold.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1 is longer than any line of a session file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file ends in the middle of line %1: it was cut off.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The header announces %1 result rows, but the file holds %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line 1 is not a session header: it has %1 of the at least 7 fields.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line 1: field %1 of the header, %2, is not a number of its kind.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line 1: the search engine %1 is not one of 1 to 4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1: a search location has 6 fields, this line has %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1: the search location %2 is not an absolute path.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1: the location&apos;s icon %2 is none of 15 (searched), 16 (excluded) and 19 (reference).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1: the header announces %2 result rows, but the file holds more.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1: the tenth field of a result row can only be &quot;*&quot; (marked), not %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1: a result row has 9 fields, this line has %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1: the file name %2 is not valid.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1: the size %2 is not valid.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1: the date %2 is not valid.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1: the folder %2 is not valid.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1: the size key %2 is not valid.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1: the date key %2 is not valid.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1: the group key %2 is not valid.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SessionReader</name>
    <message>
        <source>Loading Searched Result...(%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Not Found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Damaged Session File</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SessionState</name>
    <message>
        <source>Add search path and click on the scan button to start search.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ShownSize</name>
    <message>
        <source>%1 GB</source>
        <extracomment>A size in gigabytes (1024 MB); %1 is the number with two decimals.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 MB</source>
        <extracomment>A size in megabytes (1024 KB); %1 is the number with two decimals.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 KB</source>
        <extracomment>A size in kilobytes (1024 bytes); %1 is the number with two decimals.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n Bytes</source>
        <extracomment>A size below one kilobyte, in bytes.</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SingleFileActions</name>
    <message>
        <source>A file name cannot contain any of the following characters:
\ / : * ? &quot; &lt;&gt; |</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is in a reference location: its files keep their names.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please type new name for
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A file named &quot;%1&quot; already exists.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is no longer there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot rename &quot;%1&quot;.
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no program associated with the specified type of file.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SizeLimitDialog</name>
    <message>
        <source>Maximum size limit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark all duplicate files upto the specified size.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CD (700 MB)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DVD (4.3 GB)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Specify :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>KB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark Large Files First</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This option is helpful when you want to make backup copies of Duplicate Files in a CD, DVD etc and have size limits.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> type only integer values</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StatusTexts</name>
    <message>
        <source>Search Terminated.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search Completed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TellFrm</name>
    <message>
        <source>I Like Corvina</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Glad Corvina helps! If a friend&apos;s disk is full of copies too, pass these words on (change them as you like):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I use Corvina to find duplicate files. It lists every group of identical files, lets me mark the copies I don&apos;t need and sends them to the trash, so nothing is lost by mistake. Worth a try if your disk is filling up.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy to Clipboard</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TipFrm</name>
    <message>
        <source>Tip of the Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Did you know...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Tips at Startup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Next Tip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <extracomment>Closes the tip of the day.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press Add to choose a folder to search; the folder picker opens at once. Double-click a location to change it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tick &quot;Exclude Folder&quot; in the Add/Exclude Folders window to leave a folder out of every scan, for example the backup you mean to keep.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A minimum size of 10 KB passes over the many tiny files that are seldom worth cleaning up; empty the box and 10 KB is used.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click a column header to sort the results, and click again to reverse the order. Rows of one group keep their colour band.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Action, Mark Quick, Mark All Duplicates marks every copy but the newest file of each group.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click the small box at the left of a row, or press the space bar, to mark or unmark a file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leave &quot;Send to Recycle Bin&quot; on: deleted files then go to the trash, where you can restore them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Session keeps your locations, options and results in a .cvf file; Load Session brings them back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press Esc to cancel a running scan.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export writes the result list as a delimited text file or as an HTML report.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TooManyFilesDialog</name>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You are warned that it may resulted in errors.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recommendation:</source>
        <extracomment>Stands in the room of 35 blanks at the start of the recommendation&apos;s first line: keep it short.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To reduce the number of files in a single search, you can set the min. file size, say 10 KB, as you probably don&apos;t interest in some small files. You can also exclude some folders.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To continue, click OK; to stop, click Cancel.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You are about to scan a collection of too many files, total %1 files.  </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TypedFolder</name>
    <message>
        <source>&quot;%1&quot; is not a full path: type one that starts with &quot;/&quot; or &quot;~&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a file, not a folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WarningFrm</name>
    <message>
        <source>Warning!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is highly recommended to keep at least one original file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Both original and duplicate files are marked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Row</source>
        <extracomment>The column of each file&apos;s position in the result list.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Keep all original files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It will automatically keep one file in each group.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ig&amp;nore warnings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press these button if you want to ignore repeated warnings!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Continue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have not made any changes, are you sure you want to continue?<byte value="xd"/>
<byte value="xd"/>
It is highly recommended to keep at least one original file</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>corvina: %1</source>
        <extracomment>On standard error when Corvina cannot start; %1 says why (&quot;cannot find your home folder: ...&quot;).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Corvina %1.</source>
        <extracomment>The message box when Corvina cannot start; %1 says why (&quot;cannot find your home folder: ...&quot;).</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
