<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Messages</name>
    <message>
        <source>the chosen port</source>
        <translation>(ohne Namen)</translation>
    </message>
    <message>
        <source>Nothing was written to the radio.</source>
        <translation>Es wurde nichts ins Funkgerät geschrieben.</translation>
    </message>
    <message>
        <source>Every block was written; the read-back to verify them did not complete.</source>
        <translation>Alle Blöcke wurden geschrieben; das Zurücklesen zu ihrer Prüfung wurde nicht abgeschlossen.</translation>
    </message>
    <message>
        <source>The radio already holds this data: the write changes nothing.<byte value="xd"/>
Write it anyway?</source>
        <translation>Das Funkgerät enthält diese Daten bereits: Das Schreiben ändert nichts.<byte value="xd"/>
Trotzdem schreiben?</translation>
    </message>
    <message>
        <source>Numeric Only. Indispensable 10 figures.</source>
        <translation>Nur Ziffern. Genau 10 Ziffern.</translation>
    </message>
    <message>
        <source>ATISNo</source>
        <translation>ATIS-Nr.</translation>
    </message>
    <message>
        <source>Numeric Only. Indispensable 3 figures.</source>
        <translation>Nur Ziffern. Genau 3 Ziffern.</translation>
    </message>
    <message>
        <source>Indispensable 3 figures.</source>
        <translation>Genau 3 Zeichen.</translation>
    </message>
    <message>
        <source>A maximum of 12 characters</source>
        <translation>Höchstens 12 Zeichen</translation>
    </message>
    <message>
        <source>Indispensable 2 figures.</source>
        <translation>Genau 2 Zeichen.</translation>
    </message>
    <message>
        <source>Rx frequency</source>
        <translation>Empfangsfrequenz</translation>
    </message>
    <message>
        <source>Tx frequency</source>
        <translation>Sendefrequenz</translation>
    </message>
    <message>
        <source>max 4 charactors.</source>
        <translation>Höchstens 4 Zeichen.</translation>
    </message>
    <message>
        <source>The ATIS code has exactly ten digits. Type all ten, or empty the field for no ATIS code.</source>
        <translation>Der ATIS-Code hat genau zehn Ziffern. Geben Sie alle zehn ein, oder leeren Sie das Feld für keinen ATIS-Code.</translation>
    </message>
    <message>
        <source>%1 must lie between %2 and %3 MHz. Enter a frequency in that band, or empty the field for no frequency.</source>
        <translation>%1: Der Wert muss zwischen %2 und %3 MHz liegen. Geben Sie eine Frequenz in diesem Band ein, oder leeren Sie das Feld für keine Frequenz.</translation>
    </message>
    <message>
        <source>%1 must lie between %2 and %3 MHz, in steps of 25 kHz. Enter such a frequency, or empty the field for no frequency.</source>
        <translation>%1: Der Wert muss zwischen %2 und %3 MHz liegen, in Schritten von 25 kHz. Geben Sie eine solche Frequenz ein, oder leeren Sie das Feld für keine Frequenz.</translation>
    </message>
    <message>
        <source>%1 is enabled but has no receive frequency (RX[MHz]). Enter it, untick Enable, or undo.</source>
        <translation>%1 ist aktiv, hat aber keine Empfangsfrequenz (RX[MHz]). Geben Sie sie ein, entfernen Sie das Häkchen bei Aktiv, oder machen Sie die Änderung rückgängig.</translation>
    </message>
    <message>
        <source>%1 is enabled but has no channel number (CH Display). Enter it, untick Enable, or undo.</source>
        <translation>%1 ist aktiv, hat aber keine Kanalnummer (CH Display). Geben Sie sie ein, entfernen Sie das Häkchen bei Aktiv, oder machen Sie die Änderung rückgängig.</translation>
    </message>
    <message>
        <source>%1 is enabled but has no receive frequency (RX[MHz]) and no channel number (CH Display). Enter them, untick Enable, or undo.</source>
        <translation>%1 ist aktiv, hat aber keine Empfangsfrequenz (RX[MHz]) und keine Kanalnummer (CH Display). Geben Sie beide ein, entfernen Sie das Häkchen bei Aktiv, oder machen Sie die Änderung rückgängig.</translation>
    </message>
    <message>
        <source>No receive frequency or channel number: %1. Enter what each lacks, or untick its Enable, then program again.</source>
        <translation>Keine Empfangsfrequenz oder Kanalnummer: %1. Ergänzen Sie, was jedem Kanal fehlt, oder entfernen Sie das Häkchen bei Aktiv, und programmieren Sie erneut.</translation>
    </message>
    <message>
        <source>%1 does not exist. The ports that do: %2.</source>
        <translation>Den Anschluss %1 gibt es nicht. Vorhanden sind: %2.</translation>
    </message>
    <message>
        <source>%1 does not exist. This computer has no serial port now: plug in the programming cable.</source>
        <translation>Den Anschluss %1 gibt es nicht. Dieser Computer hat zurzeit keine serielle Schnittstelle: Schließen Sie das Programmierkabel an.</translation>
    </message>
    <message>
        <source>%1: permission denied. Join the group that owns the device (sudo usermod -aG %2 $USER), then log in again.</source>
        <translation>%1: Zugriff verweigert. Treten Sie der Gruppe bei, der das Gerät gehört (sudo usermod -aG %2 $USER), und melden Sie sich neu an.</translation>
    </message>
    <message>
        <source>%1: permission denied. The device allows only its owner. Grant access with a udev rule for the adapter: a file /etc/udev/rules.d/70-kvprog.rules holding the line SUBSYSTEM==&quot;tty&quot;, ATTRS{idVendor}==&quot;%2&quot;, ATTRS{idProduct}==&quot;%3&quot;, GROUP=&quot;dialout&quot;, MODE=&quot;0660&quot;; then join dialout (sudo usermod -aG dialout $USER), log in again and plug the adapter in again.</source>
        <translation>%1: Zugriff verweigert. Das Gerät lässt nur seinen Eigentümer zu. Gewähren Sie den Zugriff mit einer udev-Regel für den Adapter: eine Datei /etc/udev/rules.d/70-kvprog.rules mit der Zeile SUBSYSTEM==&quot;tty&quot;, ATTRS{idVendor}==&quot;%2&quot;, ATTRS{idProduct}==&quot;%3&quot;, GROUP=&quot;dialout&quot;, MODE=&quot;0660&quot;; treten Sie dann dialout bei (sudo usermod -aG dialout $USER), melden Sie sich neu an und stecken Sie den Adapter neu ein.</translation>
    </message>
    <message>
        <source>%1: permission denied. The device allows only its owner. Grant access with a udev rule for the adapter: a file /etc/udev/rules.d/70-kvprog.rules holding the line SUBSYSTEM==&quot;tty&quot;, ATTRS{idVendor}==&quot;VVVV&quot;, ATTRS{idProduct}==&quot;PPPP&quot;, GROUP=&quot;dialout&quot;, MODE=&quot;0660&quot; (udevadm info -a -n %1 shows the adapter&apos;s idVendor and idProduct); then join dialout (sudo usermod -aG dialout $USER), log in again and plug the adapter in again.</source>
        <translation>%1: Zugriff verweigert. Das Gerät lässt nur seinen Eigentümer zu. Gewähren Sie den Zugriff mit einer udev-Regel für den Adapter: eine Datei /etc/udev/rules.d/70-kvprog.rules mit der Zeile SUBSYSTEM==&quot;tty&quot;, ATTRS{idVendor}==&quot;VVVV&quot;, ATTRS{idProduct}==&quot;PPPP&quot;, GROUP=&quot;dialout&quot;, MODE=&quot;0660&quot; (udevadm info -a -n %1 zeigt idVendor und idProduct des Adapters); treten Sie dann dialout bei (sudo usermod -aG dialout $USER), melden Sie sich neu an und stecken Sie den Adapter neu ein.</translation>
    </message>
    <message>
        <source>%1 is busy: %2 holds it. Close %2 and try again.</source>
        <translation>Der Anschluss %1 ist belegt: %2 verwendet ihn. Schließen Sie %2 und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>%1 is busy: another program holds it. Close that program and try again.</source>
        <translation>Der Anschluss %1 ist belegt: Ein anderes Programm verwendet ihn. Schließen Sie dieses Programm und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Nothing came back from %1 within %2 s, not even the echo the programming cable gives of every byte: no cable answers on that port.</source>
        <translation>Vom Anschluss %1 kam binnen %2 s nichts zurück, nicht einmal das Echo, das das Programmierkabel von jedem Byte gibt: An diesem Anschluss antwortet kein Kabel.</translation>
    </message>
    <message>
        <source>The radio did not answer properly on %1. Check that the radio is switched on and in PC-programming mode, that the cable is seated at both ends, and that %1 is the port the cable is on.</source>
        <translation>Das Funkgerät hat am Anschluss %1 nicht richtig geantwortet. Prüfen Sie, ob das Funkgerät eingeschaltet ist und sich im PC-Programmiermodus befindet, ob das Kabel an beiden Enden fest sitzt und ob %1 der Anschluss ist, an dem das Kabel steckt.</translation>
    </message>
    <message>
        <source>The radio now holds part old and part new data: %1 of %2 blocks were written.</source>
        <translation>Das Funkgerät enthält jetzt teils alte, teils neue Daten: %1 von %2 Blöcken wurden geschrieben.</translation>
    </message>
    <message>
        <source>Write again, or restore the backup.</source>
        <translation>Schreiben Sie erneut, oder stellen Sie die Sicherung wieder her.</translation>
    </message>
    <message>
        <source>The radio reports %1; the data are for %2.</source>
        <translation>Das Funkgerät meldet %1; die Daten sind für %2.</translation>
    </message>
    <message>
        <source>Data for one destination are not programmed into a radio of another. Read this radio (Transfer &gt; Read) to change what it holds.</source>
        <translation>Daten für eine Länderversion werden nicht in ein Funkgerät einer anderen programmiert. Lesen Sie dieses Funkgerät (Übertragung &gt; Funkgerät auslesen), um seinen Inhalt zu ändern.</translation>
    </message>
    <message>
        <source>Data for one destination are not programmed into a radio of another. Read this radio (Transfer &gt; Read) to change what it holds, or choose %1 in the Region menu to start from its default data.</source>
        <translation>Daten für eine Länderversion werden nicht in ein Funkgerät einer anderen programmiert. Lesen Sie dieses Funkgerät (Übertragung &gt; Funkgerät auslesen), um seinen Inhalt zu ändern, oder wählen Sie %1 im Menü Region, um mit deren Standarddaten zu beginnen.</translation>
    </message>
    <message>
        <source>A read replaces all the data with the radio&apos;s. Switch to %1 and read the radio?</source>
        <translation>Das Auslesen ersetzt alle Daten durch die des Funkgeräts. Zu %1 wechseln und das Funkgerät auslesen?</translation>
    </message>
    <message>
        <source>The radio is set for %1; the data are for %2.</source>
        <translation>Das Funkgerät ist auf %1 eingestellt; die Daten sind für %2.</translation>
    </message>
    <message>
        <source>The radio on %1 is not of the %2 series the data are for. Choose the radio&apos;s series under Edit &gt; Model, then try again.</source>
        <translation>Das Funkgerät am Anschluss %1 gehört nicht zur Serie %2, für die die Daten sind. Wählen Sie die Serie des Funkgeräts unter Bearbeiten &gt; Modell und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The radio on %1 is of the %2 series, but of a product version these data are not for.</source>
        <translation>Das Funkgerät am Anschluss %1 gehört zur Serie %2, aber zu einer Produktversion, für die diese Daten nicht sind.</translation>
    </message>
    <message>
        <source>The radio on %1 reports that it is busy. Press Retry when it is free, or Cancel to stop.</source>
        <translation>Das Funkgerät am Anschluss %1 meldet, dass es beschäftigt ist. Klicken Sie auf Wiederholen, sobald es frei ist, oder auf Abbrechen, um aufzuhören.</translation>
    </message>
    <message>
        <source>The radio on %1 refused a request several times. OK synchronizes with it again and repeats the request; Cancel stops.</source>
        <translation>Das Funkgerät am Anschluss %1 hat eine Anfrage mehrmals abgelehnt. OK synchronisiert erneut mit ihm und wiederholt die Anfrage; Abbrechen hört auf.</translation>
    </message>
    <message>
        <source>Verified: the radio holds every byte that was written.</source>
        <translation>Geprüft: Das Funkgerät enthält jedes geschriebene Byte.</translation>
    </message>
    <message>
        <source>Could not read %1. Check the file&apos;s name and that you may read it.</source>
        <translation>Lesen nicht möglich: %1. Prüfen Sie den Namen der Datei und ob Sie sie lesen dürfen.</translation>
    </message>
    <message>
        <source>Could not write %1. Check that the folder exists, that you may write to it and that the disk has room, or save under another name.</source>
        <translation>Schreiben nicht möglich: %1. Prüfen Sie, ob der Ordner existiert, ob Sie darin schreiben dürfen und ob der Datenträger Platz hat, oder speichern Sie unter einem anderen Namen.</translation>
    </message>
    <message>
        <source>%1 is not an image file of a %2: its length does not fit. Open an image file of this model, or choose the file&apos;s model under Edit &gt; Model first.</source>
        <translation>%1 ist keine Abbilddatei eines %2: Ihre Länge passt nicht. Öffnen Sie eine Abbilddatei dieses Modells, oder wählen Sie zuerst das Modell der Datei unter Bearbeiten &gt; Modell.</translation>
    </message>
    <message>
        <source>%1 holds the data of another model than a %2. Choose the file&apos;s model under Edit &gt; Model, then open it again.</source>
        <translation>%1 enthält die Daten eines anderen Modells als eines %2. Wählen Sie das Modell der Datei unter Bearbeiten &gt; Modell und öffnen Sie sie erneut.</translation>
    </message>
    <message>
        <source>%1 holds the data of another product version than a %2.</source>
        <translation>%1 enthält die Daten einer anderen Produktversion als eines %2.</translation>
    </message>
    <message>
        <source>The file names no model this program programs (MODELTYPE=%1). Open a settings file of a KV150 or KV170 series radio.</source>
        <translation>Die Datei nennt kein Modell, das dieses Programm programmiert (MODELTYPE=%1). Öffnen Sie eine Einstellungsdatei eines Funkgeräts der Serie KV150 oder KV170.</translation>
    </message>
    <message>
        <source>The manual is %1; open it in a web browser.</source>
        <translation>Das Handbuch ist %1; öffnen Sie es in einem Webbrowser.</translation>
    </message>
    <message>
        <source>PC Program for KV150/KV170 Series</source>
        <translation>PC-Programm für die Serie KV150/KV170</translation>
    </message>
    <message>
        <source>Read from Radio</source>
        <translation>Funkgerät auslesen</translation>
    </message>
    <message>
        <source>bad file!!</source>
        <translation>ungültige Datei!!</translation>
    </message>
    <message>
        <source>ModelType Error !!</source>
        <translation>Modelltyp-Fehler !!</translation>
    </message>
    <message>
        <source>ProductType Error !!</source>
        <translation>Produkttyp-Fehler !!</translation>
    </message>
    <message>
        <source>FileRead Error!!</source>
        <translation>Fehler beim Lesen der Datei!!</translation>
    </message>
    <message>
        <source>FileSave Error!!</source>
        <translation>Fehler beim Speichern der Datei!!</translation>
    </message>
    <message>
        <source>different model!!</source>
        <translation>anderes Modell!!</translation>
    </message>
    <message>
        <source>Program to Radio</source>
        <translation>Funkgerät programmieren</translation>
    </message>
    <message>
        <source>Model Check</source>
        <translation>Modellprüfung</translation>
    </message>
    <message>
        <source>port inicialize error!!</source>
        <translation>Fehler beim Initialisieren des Anschlusses!!</translation>
    </message>
    <message>
        <source>Communication Error!!</source>
        <translation>Kommunikationsfehler!!</translation>
    </message>
    <message>
        <source>ACMD Command error!!</source>
        <translation>Fehler beim ACMD-Befehl!!</translation>
    </message>
    <message>
        <source>error!!</source>
        <translation>Fehler!!</translation>
    </message>
    <message>
        <source>cancel!!</source>
        <translation>abgebrochen!!</translation>
    </message>
    <message>
        <source>time out!!</source>
        <translation>Zeitüberschreitung!!</translation>
    </message>
    <message>
        <source>Radio is busy!!</source>
        <translation>Funkgerät ist beschäftigt!!</translation>
    </message>
    <message>
        <source>confirm the synchronization of the communication</source>
        <translation>Synchronisation der Kommunikation bestätigen</translation>
    </message>
    <message>
        <source>address error!!</source>
        <translation>Adressfehler!!</translation>
    </message>
    <message>
        <source>data error!!</source>
        <translation>Datenfehler!!</translation>
    </message>
    <message>
        <source>Radio not ready!!</source>
        <translation>Funkgerät nicht bereit!!</translation>
    </message>
    <message>
        <source>Complete!!</source>
        <translation>Abgeschlossen!!</translation>
    </message>
    <message>
        <source>Product Error !!</source>
        <translation>Produktfehler !!</translation>
    </message>
    <message>
        <source>Destination Error !!</source>
        <translation>Fehler in der Länderversion !!</translation>
    </message>
    <message>
        <source>The region selection is unmatched.</source>
        <translation>Die gewählte Region stimmt nicht überein.</translation>
    </message>
    <message>
        <source>Do you want to read the data?</source>
        <translation>Möchten Sie die Daten lesen?</translation>
    </message>
    <message>
        <source>Do you want to write the data?</source>
        <translation>Möchten Sie die Daten schreiben?</translation>
    </message>
    <message>
        <source>(not exist)</source>
        <translation>(nicht vorhanden)</translation>
    </message>
    <message>
        <source>Data Error!!</source>
        <translation>Datenfehler!!</translation>
    </message>
    <message>
        <source>Please input correct data.</source>
        <translation>Bitte geben Sie gültige Daten ein.</translation>
    </message>
    <message>
        <source>TWS data has changed.</source>
        <translation>Die TWS-Daten wurden geändert.</translation>
    </message>
    <message>
        <source>Do you want to save changes?</source>
        <translation>Möchten Sie die Änderungen speichern?</translation>
    </message>
    <message>
        <source>IniFileRead Error!!</source>
        <translation>Fehler beim Lesen der Standarddaten!!</translation>
    </message>
    <message>
        <source>[Up]/[Down]/[Left]/[Right]:Change of a Selection item.</source>
        <translation>[Auf]/[Ab]/[Links]/[Rechts]: Auswahl ändern.</translation>
    </message>
    <message>
        <source>[Up]/[Down]:Change of a Selection item.</source>
        <translation>[Auf]/[Ab]: Auswahl ändern.</translation>
    </message>
    <message>
        <source>[Space]:An effective and invalid change.</source>
        <translation>[Leertaste]: Häkchen setzen oder entfernen.</translation>
    </message>
    <message>
        <source>[Double click],[Enter]:Jump the Setting screen.</source>
        <translation>[Doppelklick],[Eingabe]: zum Einstellungsbildschirm.</translation>
    </message>
    <message>
        <source>Select[x]Enable/[]Disable.</source>
        <translation>[x] aktiv / [ ] inaktiv wählen.</translation>
    </message>
    <message>
        <source>Unable to display Help Contents. There is no Help associated with this project.</source>
        <translation>Die Hilfe kann nicht angezeigt werden. Zu diesem Programm gibt es keine Hilfe.</translation>
    </message>
    <message>
        <source>The help could not be opened: no web browser could be started.</source>
        <translation>Die Hilfe konnte nicht geöffnet werden: Es ließ sich kein Webbrowser starten.</translation>
    </message>
    <message>
        <source>1.Connect the TWS cable between the PC serial port and the radio.</source>
        <translation>1. Schließen Sie das TWS-Kabel zwischen der seriellen Schnittstelle des PCs und dem Funkgerät an.</translation>
    </message>
    <message>
        <source>2.Turn on the radio.</source>
        <translation>2. Schalten Sie das Funkgerät ein.</translation>
    </message>
    <message>
        <source>3.Press the [OK] button to start.</source>
        <translation>3. Klicken Sie auf [OK], um zu beginnen.</translation>
    </message>
    <message>
        <source>Messages now appear in the new language; the rest of the window follows when the program starts again.</source>
        <translation>Meldungen erscheinen jetzt in der neuen Sprache; der Rest des Fensters folgt beim nächsten Programmstart.</translation>
    </message>
</context>
<context>
    <name>kv::DevicePortSource</name>
    <message>
        <source>Simulated radio</source>
        <translation>Simuliertes Funkgerät</translation>
    </message>
</context>
<context>
    <name>kv::DialogBackupChooser</name>
    <message>
        <source>Restore from Backup</source>
        <translation>Aus Sicherung wiederherstellen</translation>
    </message>
    <message>
        <source>No backups yet: every read of a radio is kept here.</source>
        <translation>Noch keine Sicherungen: Jedes Auslesen eines Funkgeräts wird hier aufbewahrt.</translation>
    </message>
    <message>
        <source>Every read of a radio is kept here, newest first:</source>
        <translation>Jedes Auslesen eines Funkgeräts wird hier aufbewahrt, das neueste zuerst:</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
</context>
<context>
    <name>kv::MainWindow</name>
    <message>
        <source>&amp;Language</source>
        <translation>Sp&amp;rache</translation>
    </message>
    <message>
        <source>System language</source>
        <translation>Systemsprache</translation>
    </message>
</context>
<context>
    <name>kv::MessageBoxPrompt</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Wiederholen</translation>
    </message>
</context>
</TS>
