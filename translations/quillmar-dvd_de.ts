<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CommandLine</name>
    <message>
        <source>Cuts a DVD disc image to the size of a recordable-DVD preset.</source>
        <translation>Schneidet ein DVD-Abbild auf die Größe einer Vorgabe für beschreibbare DVDs zu.</translation>
    </message>
    <message>
        <source>The image to cut, shown as the source.</source>
        <translation>Das zuzuschneidende Abbild, als Quelle angezeigt.</translation>
    </message>
    <message>
        <source>The image to write, shown as the output.</source>
        <translation>Das zu schreibende Abbild, als Ziel angezeigt.</translation>
    </message>
    <message>
        <source>Too many arguments.</source>
        <translation>Zu viele Argumente.</translation>
    </message>
    <message>
        <source>An empty argument names no file.</source>
        <translation>Ein leeres Argument nennt keine Datei.</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Quillmar Dvd Control Test</source>
        <translation>Quillmar Dvd Control Test</translation>
    </message>
    <message>
        <source>Select ISO DVD IMAGE &gt; 5 GB (Single Layer) or &gt; 9 GB (Double Layer)</source>
        <translation>ISO-DVD-ABBILD wählen &gt; 5 GB (einschichtig) oder &gt; 9 GB (zweischichtig)</translation>
    </message>
    <message>
        <source>Source image</source>
        <translation>Quellabbild</translation>
    </message>
    <message>
        <source>The path of the DVD image to cut</source>
        <translation>Der Pfad des zuzuschneidenden DVD-Abbilds</translation>
    </message>
    <message>
        <source>Browse for the source image</source>
        <translation>Quellabbild suchen</translation>
    </message>
    <message>
        <source>Chooses the DVD image to cut and shows its number of sectors</source>
        <translation>Wählt das zuzuschneidende DVD-Abbild und zeigt seine Sektorenzahl</translation>
    </message>
    <message>
        <source>Sectors Number :</source>
        <translation>Sektorenzahl :</translation>
    </message>
    <message>
        <source>Select ISO OUTPUT</source>
        <translation>ISO-ZIEL wählen</translation>
    </message>
    <message>
        <source>Output image</source>
        <translation>Zielabbild</translation>
    </message>
    <message>
        <source>The path of the image to write</source>
        <translation>Der Pfad des zu schreibenden Abbilds</translation>
    </message>
    <message>
        <source>Browse for the output image</source>
        <translation>Zielabbild suchen</translation>
    </message>
    <message>
        <source>Chooses the image file to write</source>
        <translation>Wählt die zu schreibende Abbilddatei</translation>
    </message>
    <message>
        <source>Cutting progress</source>
        <translation>Fortschritt des Zuschnitts</translation>
    </message>
    <message>
        <source>How much of the output image has been written</source>
        <translation>Wie viel des Zielabbilds schon geschrieben ist</translation>
    </message>
    <message>
        <source>Preset of 2297888 sectors</source>
        <translation>Vorgabe von 2297888 Sektoren</translation>
    </message>
    <message>
        <source>DVD-R\RW (Option 1)</source>
        <translation>DVD-R\RW (Variante 1)</translation>
    </message>
    <message>
        <source>Preset of 2298496 sectors</source>
        <translation>Vorgabe von 2298496 Sektoren</translation>
    </message>
    <message>
        <source>DVD-R\RW (Option 2)</source>
        <translation>DVD-R\RW (Variante 2)</translation>
    </message>
    <message>
        <source>Preset of 2295104 sectors</source>
        <translation>Vorgabe von 2295104 Sektoren</translation>
    </message>
    <message>
        <source>Dvd+R\RW</source>
        <translation>Dvd+R\RW</translation>
    </message>
    <message>
        <source>Preset of 4173824 sectors</source>
        <translation>Vorgabe von 4173824 Sektoren</translation>
    </message>
    <message>
        <source>Dual Layer DVD+R</source>
        <translation>Zweischicht-DVD+R</translation>
    </message>
    <message>
        <source>Preset of 4150400 sectors</source>
        <translation>Vorgabe von 4150400 Sektoren</translation>
    </message>
    <message>
        <source>Dual Layer DVD-R</source>
        <translation>Zweischicht-DVD-R</translation>
    </message>
    <message>
        <source>LBA Cut Preset</source>
        <translation>LBA-Vorgabe</translation>
    </message>
    <message>
        <source>Preset sectors</source>
        <translation>Sektoren der Vorgabe</translation>
    </message>
    <message>
        <source>The number of sectors of the selected preset</source>
        <translation>Die Sektorenzahl der gewählten Vorgabe</translation>
    </message>
    <message>
        <source>Type LBA TO ADD</source>
        <translation>LBA ZUM ANFÜGEN</translation>
    </message>
    <message>
        <source>Sectors to add</source>
        <translation>Anzufügende Sektoren</translation>
    </message>
    <message>
        <source>The number of sectors added to the preset; negative to take some away</source>
        <translation>Die Zahl der Sektoren, die an die Vorgabe angefügt werden; negativ, um welche wegzunehmen</translation>
    </message>
    <message>
        <source>Writes the preset&apos;s sectors of the source into the output image</source>
        <translation>Schreibt die Sektoren der Vorgabe aus der Quelle in das Zielabbild</translation>
    </message>
    <message>
        <source>Closes the window</source>
        <translation>Schließt das Fenster</translation>
    </message>
    <message>
        <source>File system of the source image</source>
        <translation>Dateisystem des Quellabbilds</translation>
    </message>
    <message>
        <source>Where the source image&apos;s file system ends, and whether the cut keeps all of it</source>
        <translation>Wo das Dateisystem des Quellabbilds endet und ob der Zuschnitt es ganz behält</translation>
    </message>
</context>
<context>
    <name>cutting</name>
    <message>
        <source>info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Please select ISO imput</source>
        <translation>Bitte ein ISO-Quellabbild wählen</translation>
    </message>
    <message>
        <source>Please select ISO Output</source>
        <translation>Bitte ein ISO-Zielabbild wählen</translation>
    </message>
    <message>
        <source>Incorrect Preset.The numbers of Sectors of ISO DVD Image Selected are &lt; of Dvd Preset</source>
        <translation>Falsche Vorgabe. Das gewählte ISO-DVD-Abbild hat weniger Sektoren als die DVD-Vorgabe</translation>
    </message>
    <message>
        <source>Process Successfully!!!</source>
        <translation>Erfolgreich abgeschlossen!!!</translation>
    </message>
    <message>
        <source>Incorrect LBA to add.The size of the ISO output would be 0 bytes or less.</source>
        <translation>Falsche LBA zum Anfügen. Das ISO-Ziel wäre 0 Bytes groß oder kleiner.</translation>
    </message>
    <message>
        <source>Incorrect LBA to add.The sectors to add must give a whole number of bytes.</source>
        <translation>Falsche LBA zum Anfügen. Die anzufügenden Sektoren müssen eine ganze Zahl von Bytes ergeben.</translation>
    </message>
    <message>
        <source>Incorrect LBA to add.The size of the ISO output would exceed 9007199254740992 bytes.</source>
        <translation>Falsche LBA zum Anfügen. Das ISO-Ziel wäre größer als 9007199254740992 Bytes.</translation>
    </message>
    <message>
        <source>the image&apos;s sectors</source>
        <translation>die Sektoren des Abbilds</translation>
    </message>
    <message>
        <source>the preset&apos;s sectors</source>
        <translation>die Sektoren der Vorgabe</translation>
    </message>
    <message>
        <source>the LBA to add</source>
        <translation>die anzufügende LBA</translation>
    </message>
    <message>
        <source>There is no open file.</source>
        <translation>Es ist keine Datei geöffnet.</translation>
    </message>
    <message>
        <source>Unknown Error.</source>
        <translation>Unbekannter Fehler.</translation>
    </message>
    <message>
        <source>File not found: &apos;%1&apos;.</source>
        <translation>Datei nicht gefunden: &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Type mismatch: %1 &apos;%2&apos; is not a number.</source>
        <translation>Typen unverträglich: %1 &apos;%2&apos; ist keine Zahl.</translation>
    </message>
    <message>
        <source>Cutting cancelled: %1 of %2 bytes written.</source>
        <translation>Zuschnitt abgebrochen: %1 von %2 Bytes geschrieben.</translation>
    </message>
    <message>
        <source>Only %1 of %2 bytes were written.</source>
        <translation>Nur %1 von %2 Bytes wurden geschrieben.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; is already open.</source>
        <translation>Die Datei &apos;%1&apos; ist schon geöffnet.</translation>
    </message>
    <message>
        <source>Error opening &apos;%1&apos;.</source>
        <translation>Fehler beim Öffnen von &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Error reading &apos;%1&apos;.</source>
        <translation>Fehler beim Lesen von &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Error writing &apos;%1&apos;.</source>
        <translation>Fehler beim Schreiben von &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Error flushing &apos;%1&apos;.</source>
        <translation>Fehler beim Sichern von &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Error closing &apos;%1&apos;.</source>
        <translation>Fehler beim Schließen von &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Error setting the end of &apos;%1&apos;.</source>
        <translation>Fehler beim Setzen des Endes von &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Seek Error.</source>
        <translation>Positionierfehler.</translation>
    </message>
    <message>
        <source>Error %1.</source>
        <translation>Fehler %1.</translation>
    </message>
    <message>
        <source>Error %1</source>
        <translation>Fehler %1</translation>
    </message>
    <message>
        <source>Verified: the output reads back as the source.</source>
        <translation>Geprüft: Die zurückgelesene Ausgabe gleicht der Quelle.</translation>
    </message>
    <message>
        <source>Not verified.</source>
        <translation>Nicht geprüft.</translation>
    </message>
    <message>
        <source>SHA-256: %1</source>
        <translation>SHA-256: %1</translation>
    </message>
    <message>
        <source>Verification failed: the output differs from the source at byte %1.</source>
        <translation>Prüfung fehlgeschlagen: Die Ausgabe weicht ab Byte %1 von der Quelle ab.</translation>
    </message>
    <message>
        <source>The output was removed while it was being written.</source>
        <translation>Die Ausgabe wurde entfernt, während sie geschrieben wurde.</translation>
    </message>
</context>
<context>
    <name>form1::CutNotifier</name>
    <message>
        <source>Show</source>
        <translation>Anzeigen</translation>
    </message>
</context>
<context>
    <name>form1::DesktopSession</name>
    <message>
        <source>Cutting a disc image</source>
        <translation>Ein Disc-Abbild wird zugeschnitten</translation>
    </message>
    <message>
        <source>Cut complete</source>
        <translation>Zuschnitt abgeschlossen</translation>
    </message>
    <message>
        <source>Cut failed</source>
        <translation>Zuschnitt fehlgeschlagen</translation>
    </message>
    <message>
        <source>Cut cancelled</source>
        <translation>Zuschnitt abgebrochen</translation>
    </message>
</context>
<context>
    <name>form1::Form1</name>
    <message>
        <source>File ISO (*.ISO)</source>
        <translation>ISO-Datei (*.ISO)</translation>
    </message>
    <message>
        <source> · %1 MB/s</source>
        <translation> · %1 MB/s</translation>
    </message>
    <message>
        <source> · %1 left</source>
        <translation> · noch %1</translation>
    </message>
    <message>
        <source>Verifying %1%</source>
        <translation>Prüfe %1%</translation>
    </message>
    <message>
        <source> · %1 GB/s</source>
        <translation> · %1 GB/s</translation>
    </message>
    <message>
        <source>Open Dvd ISO Image</source>
        <translation>DVD-ISO-Abbild öffnen</translation>
    </message>
    <message>
        <source>Save Dvd ISO Image</source>
        <translation>DVD-ISO-Abbild speichern</translation>
    </message>
    <message>
        <source>Start Cutting</source>
        <translation>Zuschneiden</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>No ISO 9660 or UDF file system found</source>
        <translation>Kein ISO-9660- oder UDF-Dateisystem gefunden</translation>
    </message>
    <message>
        <source>File system: %1 sectors</source>
        <translation>Dateisystem: %1 Sektoren</translation>
    </message>
    <message>
        <source>File system: %1 sectors · fits</source>
        <translation>Dateisystem: %1 Sektoren · passt</translation>
    </message>
    <message>
        <source>File system: %1 sectors · cut loses %2 MB</source>
        <translation>Dateisystem: %1 Sektoren · %2 MB fehlen</translation>
    </message>
</context>
<context>
    <name>form1::Form1Dialogs</name>
    <message>
        <source>Run-time error &apos;%1&apos;:

%2</source>
        <translation>Laufzeitfehler &apos;%1&apos;:

%2</translation>
    </message>
    <message>
        <source>Run-time error</source>
        <translation>Laufzeitfehler</translation>
    </message>
</context>
</TS>
