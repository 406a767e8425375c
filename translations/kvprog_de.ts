<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Columns</name>
    <message>
        <source>CH Name</source>
        <translation>Kanalname</translation>
    </message>
    <message>
        <source>ENABLE</source>
        <translation>AKTIV</translation>
    </message>
    <message>
        <source>DISP</source>
        <translation>ANZEIGE</translation>
    </message>
</context>
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
        <translation>%1 ist aktiv, hat aber keine Kanalnummer (Kanalanzeige). Geben Sie sie ein, entfernen Sie das Häkchen bei Aktiv, oder machen Sie die Änderung rückgängig.</translation>
    </message>
    <message>
        <source>%1 is enabled but has no receive frequency (RX[MHz]) and no channel number (CH Display). Enter them, untick Enable, or undo.</source>
        <translation>%1 ist aktiv, hat aber keine Empfangsfrequenz (RX[MHz]) und keine Kanalnummer (Kanalanzeige). Geben Sie beide ein, entfernen Sie das Häkchen bei Aktiv, oder machen Sie die Änderung rückgängig.</translation>
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
    <message>
        <source>a channel that does not transmit has no power to choose</source>
        <translation>ein Kanal, der nicht sendet, hat keine Leistung zur Wahl</translation>
    </message>
    <message>
        <source>only an enabled EXP channel is offered in a marine group</source>
        <translation>nur ein aktiver EXP-Kanal wird in einer Seefunkgruppe angeboten</translation>
    </message>
    <message>
        <source>a channel needs a receive frequency</source>
        <translation>ein Kanal braucht eine Empfangsfrequenz</translation>
    </message>
    <message>
        <source>this radio keeps no tones</source>
        <translation>dieses Funkgerät speichert keine Töne</translation>
    </message>
    <message>
        <source>this radio has no narrow channels</source>
        <translation>dieses Funkgerät hat keine schmalen Kanäle</translation>
    </message>
    <message>
        <source>missing; the generic layout&apos;s rows need it</source>
        <translation>fehlt; die Zeilen des allgemeinen Formats brauchen sie</translation>
    </message>
    <message>
        <source>an enabled channel needs a receive frequency</source>
        <translation>ein aktiver Kanal braucht eine Empfangsfrequenz</translation>
    </message>
    <message>
        <source>an enabled channel needs a channel number</source>
        <translation>ein aktiver Kanal braucht eine Kanalnummer</translation>
    </message>
    <message>
        <source>wide is taken as narrow (NFM): a land-mobile channel in 150 - 174 MHz must be narrow</source>
        <translation>breit wird als schmal (NFM) übernommen: ein Landfunkkanal in 150 - 174 MHz muss schmal sein</translation>
    </message>
    <message>
        <source>a land-mobile channel in 150 - 174 MHz must be narrow</source>
        <translation>ein Landfunkkanal in 150 - 174 MHz muss schmal sein</translation>
    </message>
    <message>
        <source>the header row is missing</source>
        <translation>die Kopfzeile fehlt</translation>
    </message>
    <message>
        <source>a marine list keeps at least one channel</source>
        <translation>eine Seefunkliste behält mindestens einen Kanal</translation>
    </message>
    <message>
        <source>row 1: the header mixes &quot;,&quot; and &quot;;&quot; as separators</source>
        <translation>Zeile 1: die Kopfzeile mischt &quot;,&quot; und &quot;;&quot; als Trennzeichen</translation>
    </message>
    <message>
        <source>Select a channel list (RG, LMR or EXP) first.</source>
        <translation>Wählen Sie zuerst eine Kanalliste (RG, LMR oder EXP).</translation>
    </message>
    <message>
        <source>Select a channel list (USA, INTL, CANADA, Weather, RG, LMR or EXP) first.</source>
        <translation>Wählen Sie zuerst eine Kanalliste (USA, INTL, CANADA, Wetter, RG, LMR oder EXP).</translation>
    </message>
    <message>
        <source>Import them?</source>
        <translation>Importieren?</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>TX Po Display</source>
        <translation>Anzeige Sendeleistung</translation>
    </message>
    <message>
        <source>Lo Po Only</source>
        <translation>Nur geringe Leistung</translation>
    </message>
    <message>
        <source>Lo Po on Changing CH</source>
        <translation>Geringe Leistung bei Kanalwechsel</translation>
    </message>
    <message>
        <source>Last TX Po</source>
        <translation>Letzte Sendeleistung</translation>
    </message>
    <message>
        <source>SCAN</source>
        <translation>Suchlauf</translation>
    </message>
    <message>
        <source>Resume Time</source>
        <translation>Wiederaufnahmezeit</translation>
    </message>
    <message>
        <source>1Sec</source>
        <translation>1 s</translation>
    </message>
    <message>
        <source>2Sec</source>
        <translation>2 s</translation>
    </message>
    <message>
        <source>3Sec</source>
        <translation>3 s</translation>
    </message>
    <message>
        <source>PTT SCAN Clear</source>
        <translation>Suchlauf-Ende mit PTT</translation>
    </message>
    <message>
        <source>Dual Watch</source>
        <translation>Dual Watch</translation>
    </message>
    <message>
        <source>Offset Time</source>
        <translation>Zeitverschiebung</translation>
    </message>
    <message>
        <source>Magnetic Variation</source>
        <translation>Missweisung</translation>
    </message>
    <message>
        <source>True</source>
        <translation>Rechtweisend</translation>
    </message>
    <message>
        <source>Mag</source>
        <translation>Missweisend</translation>
    </message>
    <message>
        <source>Weather Alert</source>
        <translation>Wetteralarm</translation>
    </message>
    <message>
        <source>Rotary Beep</source>
        <translation>Drehknopf-Signalton</translation>
    </message>
    <message>
        <source>LMR Channel</source>
        <translation>LMR-Kanäle</translation>
    </message>
    <message>
        <source>EXP Channel</source>
        <translation>EXP-Kanäle</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Available CH Group Setup</source>
        <translation>Verfügbare Kanalgruppen</translation>
    </message>
    <message>
        <source>Common Setup</source>
        <translation>Allgemeine Einstellungen</translation>
    </message>
    <message>
        <source>ATIS Setup</source>
        <translation>ATIS-Einstellungen</translation>
    </message>
    <message>
        <source>Programmable Channel</source>
        <translation>Programmierbare Kanäle</translation>
    </message>
    <message>
        <source>Weather</source>
        <translation>Wetter</translation>
    </message>
    <message>
        <source>RG Channel</source>
        <translation>RG-Kanäle</translation>
    </message>
    <message>
        <source>Back up the radio before programming</source>
        <translation>Funkgerät vor dem Programmieren sichern</translation>
    </message>
    <message>
        <source>Verify after programming</source>
        <translation>Nach dem Programmieren prüfen</translation>
    </message>
    <message>
        <source>Not all of the file could be taken as it stands:</source>
        <translation>Nicht alles aus der Datei konnte so übernommen werden, wie es dasteht:</translation>
    </message>
    <message>
        <source>For what is missing the radio would get the default values or those loaded before.<byte value="xd"/>
Program the radio anyway?</source>
        <translation>Für das Fehlende bekäme das Funkgerät die Standardwerte oder die zuvor geladenen.<byte value="xd"/>
Das Funkgerät trotzdem programmieren?</translation>
    </message>
    <message>
        <source>Do you want to replace it?</source>
        <translation>Möchten Sie sie ersetzen?</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>wartet</translation>
    </message>
    <message>
        <source>waiting to be connected</source>
        <translation>wartet auf Anschluss</translation>
    </message>
    <message>
        <source>programming</source>
        <translation>wird programmiert</translation>
    </message>
    <message>
        <source>programmed and verified</source>
        <translation>programmiert und geprüft</translation>
    </message>
    <message>
        <source>programmed</source>
        <translation>programmiert</translation>
    </message>
    <message>
        <source>partly written</source>
        <translation>teilweise geschrieben</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>fehlgeschlagen</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>abgebrochen</translation>
    </message>
    <message>
        <source>skipped</source>
        <translation>übersprungen</translation>
    </message>
    <message>
        <source>not connected</source>
        <translation>nicht angeschlossen</translation>
    </message>
    <message>
        <source>cancelled before it started</source>
        <translation>abgebrochen, bevor es begann</translation>
    </message>
    <message>
        <source>no port was left to program it</source>
        <translation>es blieb kein Anschluss, um es zu programmieren</translation>
    </message>
    <message>
        <source>the radio already held this data: nothing written</source>
        <translation>das Funkgerät enthielt diese Daten bereits: nichts geschrieben</translation>
    </message>
    <message>
        <source>connect it, then press Next</source>
        <translation>anschließen, dann Weiter drücken</translation>
    </message>
    <message>
        <source>Choose the programming every radio gets.</source>
        <translation>Wählen Sie die Programmierung, die jedes Funkgerät erhält.</translation>
    </message>
    <message>
        <source>Load the radios&apos; CSV.</source>
        <translation>Laden Sie die CSV der Funkgeräte.</translation>
    </message>
    <message>
        <source>Tick the ports to program on.</source>
        <translation>Haken Sie die Anschlüsse an, an denen programmiert wird.</translation>
    </message>
    <message>
        <source>Program Fleet</source>
        <translation>Flotte programmieren</translation>
    </message>
    <message>
        <source>the current data</source>
        <translation>die aktuellen Daten</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Herunterladen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Restore from Backup</source>
        <translation>Aus Sicherung wiederherstellen</translation>
    </message>
    <message>
        <source>Waiting for the radio to confirm the cancel...</source>
        <translation>Warten, bis das Funkgerät den Abbruch bestätigt...</translation>
    </message>
    <message>
        <source>reading the radio into a backup</source>
        <translation>Funkgerät in eine Sicherung auslesen</translation>
    </message>
    <message>
        <source>reading the radio</source>
        <translation>Funkgerät auslesen</translation>
    </message>
    <message>
        <source>what the write changes</source>
        <translation>was das Schreiben ändert</translation>
    </message>
    <message>
        <source>writing</source>
        <translation>Schreiben</translation>
    </message>
    <message>
        <source>reading back to verify</source>
        <translation>Zurücklesen zur Prüfung</translation>
    </message>
    <message>
        <source>This write changes 1 setting:</source>
        <translation>Dieses Schreiben ändert 1 Einstellung:</translation>
    </message>
    <message>
        <source>No backup was read before programming.</source>
        <translation>Vor dem Programmieren wurde keine Sicherung ausgelesen.</translation>
    </message>
    <message>
        <source>Program the radio without a backup?</source>
        <translation>Das Funkgerät ohne Sicherung programmieren?</translation>
    </message>
    <message>
        <source>simplex</source>
        <translation>Simplex</translation>
    </message>
    <message>
        <source>RX simplex</source>
        <translation>RX-Simplex</translation>
    </message>
    <message>
        <source>duplex</source>
        <translation>Duplex</translation>
    </message>
    <message>
        <source>reverse duplex</source>
        <translation>umgekehrtes Duplex</translation>
    </message>
    <message>
        <source>&amp;KV170 Series</source>
        <translation>&amp;KV170-Serie</translation>
    </message>
    <message>
        <source>&amp;KV170X Series</source>
        <translation>KV170&amp;X-Serie</translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation>Der Drucker konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>The printer refused a new page.</source>
        <translation>Der Drucker verweigerte eine neue Seite.</translation>
    </message>
    <message>
        <source>The printer could not finish the document.</source>
        <translation>Der Drucker konnte das Dokument nicht abschließen.</translation>
    </message>
    <message>
        <source>FCC Rule Caution!</source>
        <translation>Achtung: FCC-Vorschrift!</translation>
    </message>
    <message>
        <source>Your Data includes some Wide bandwidth CHs in 150 - 174 MHz band.<byte value="xd"/>
After Jan.1, 2013, You must change their CHs to Narrow bandwidth.</source>
        <translation>Ihre Daten enthalten Kanäle mit breiter Bandbreite im Band 150 - 174 MHz.<byte value="xd"/>
Seit dem 1. Januar 2013 müssen Sie diese Kanäle auf schmale Bandbreite umstellen.</translation>
    </message>
    <message>
        <source>Do you change their CHs to Narrow bandwidth automatically, and start Do you start downloading them?<byte value="xd"/>
    Yes : It will be change the bandwidth into Narrow and start downloading.<byte value="xd"/>
    No : It will start downloading (w/o changing the bandwidth)</source>
        <translation>Diese Kanäle automatisch auf schmale Bandbreite umstellen und das Herunterladen starten?<byte value="xd"/>
    Ja: Die Bandbreite wird schmal, und das Herunterladen beginnt.<byte value="xd"/>
    Nein: Das Herunterladen beginnt (ohne die Bandbreite zu ändern)</translation>
    </message>
    <message>
        <source>Your Data was changed Wide CHs to Narrow, and Do you start downloading them?</source>
        <translation>In Ihren Daten wurden breite Kanäle auf schmal umgestellt. Das Herunterladen starten?</translation>
    </message>
    <message>
        <source>After Jan.1, 2013, You must change some Wide CHs to Narrow in the 150 - 174 MHz band.</source>
        <translation>Seit dem 1. Januar 2013 müssen Sie breite Kanäle im Band 150 - 174 MHz auf schmal umstellen.</translation>
    </message>
    <message>
        <source>Your Data was changed Wide CHs to Narrow.</source>
        <translation>In Ihren Daten wurden breite Kanäle auf schmal umgestellt.</translation>
    </message>
    <message>
        <source>Do yo want to program the %1 series?</source>
        <translation>Möchten Sie die Serie %1 programmieren?</translation>
    </message>
    <message>
        <source>Do yo want to change to %1?</source>
        <translation>Möchten Sie zu %1 wechseln?</translation>
    </message>
    <message>
        <source>The data in the window are replaced with the default data of %1.</source>
        <translation>Die Daten im Fenster werden durch die Standarddaten von %1 ersetzt.</translation>
    </message>
    <message>
        <source>The default data of %1 could not be read from %2. Install the program again, or choose another entry of the Region menu.</source>
        <translation>Die Standarddaten von %1 konnten nicht aus %2 gelesen werden. Installieren Sie das Programm neu, oder wählen Sie einen anderen Eintrag im Menü Region.</translation>
    </message>
    <message>
        <source>Too many entries</source>
        <translation>Zu viele Einträge</translation>
    </message>
    <message>
        <source>The %1 list holds at most %2 channels. Delete a channel before adding another.</source>
        <translation>Die Liste %1 fasst höchstens %2 Kanäle. Löschen Sie einen Kanal, bevor Sie einen weiteren hinzufügen.</translation>
    </message>
    <message>
        <source>%1 is write-protected.</source>
        <translation>%1 ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>%1 was incomplete when it was loaded:</source>
        <translation>%1 war beim Laden unvollständig:</translation>
    </message>
    <message>
        <source>Check that the printer is switched on, connected and ready, then print again; File &gt; Export PDF... saves the pages to print later.</source>
        <translation>Prüfen Sie, ob der Drucker eingeschaltet, angeschlossen und bereit ist, und drucken Sie erneut; Datei &gt; Als PDF exportieren... speichert die Seiten, um sie später zu drucken.</translation>
    </message>
    <message>
        <source>Check that the folder exists, that you may write to it and that the disk has room, or save under another name.</source>
        <translation>Prüfen Sie, ob der Ordner existiert, ob Sie darin schreiben dürfen und ob der Datenträger Platz hat, oder speichern Sie unter einem anderen Namen.</translation>
    </message>
    <message>
        <source>The read could not be kept in the backups folder: %1</source>
        <translation>Das Auslesen konnte nicht im Sicherungsordner aufbewahrt werden: %1</translation>
    </message>
    <message>
        <source>The read itself is complete. Check that you may write to the backups folder and that the disk has room.</source>
        <translation>Das Auslesen selbst ist abgeschlossen. Prüfen Sie, ob Sie in den Sicherungsordner schreiben dürfen und ob der Datenträger Platz hat.</translation>
    </message>
    <message>
        <source>Choose another backup, or read the radio again.</source>
        <translation>Wählen Sie eine andere Sicherung, oder lesen Sie das Funkgerät erneut aus.</translation>
    </message>
    <message>
        <source>The backup could not be saved: %1</source>
        <translation>Die Sicherung konnte nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>Choose a settings file (.dat) or an image file (.hex) of a KV150 or KV170 series radio that you may read.</source>
        <translation>Wählen Sie eine Einstellungsdatei (.dat) oder eine Abbilddatei (.hex) eines Funkgeräts der Serie KV150 oder KV170, die Sie lesen dürfen.</translation>
    </message>
    <message>
        <source>Choose the radios&apos; CSV file again: check its name and that you may read it.</source>
        <translation>Wählen Sie die CSV-Datei der Funkgeräte erneut: Prüfen Sie ihren Namen und ob Sie sie lesen dürfen.</translation>
    </message>
    <message>
        <source>CH %1: %2.</source>
        <translation>Kanal %1: %2.</translation>
    </message>
    <message>
        <source>channel %1 receives only, kept %2</source>
        <translation>Kanal %1 ist nur Empfang, bleibt %2</translation>
    </message>
    <message>
        <source>%1, the port chosen before, is not present: no port is chosen (Options &gt; SerialPort).</source>
        <translation>%1, der zuvor gewählte Anschluss, ist nicht vorhanden: Kein Anschluss ist gewählt (Optionen &gt; Serieller Anschluss).</translation>
    </message>
    <message>
        <source>Testing the cable on %1: waiting for its echo...</source>
        <translation>Kabel an %1 wird geprüft: Warten auf das Echo...</translation>
    </message>
    <message>
        <source>Waiting for the radio on %1 to answer...</source>
        <translation>Warten, bis das Funkgerät an %1 antwortet...</translation>
    </message>
    <message>
        <source>Connect radio &apos;%1&apos; to %2, then press Next.</source>
        <translation>Schließen Sie das Funkgerät &apos;%1&apos; an %2 an, dann drücken Sie Weiter.</translation>
    </message>
    <message>
        <source>Step %1 of %2: %3</source>
        <translation>Schritt %1 von %2: %3</translation>
    </message>
    <message>
        <source>This write changes %1 settings:</source>
        <translation>Dieses Schreiben ändert %1 Einstellungen:</translation>
    </message>
    <message>
        <source>Verify failed: the radio holds %1 byte(s) other than those written:%2</source>
        <translation>Prüfung fehlgeschlagen: Das Funkgerät enthält %1 Byte(s), die vom Geschriebenen abweichen:%2</translation>
    </message>
    <message>
        <source>Settings concerned:%1</source>
        <translation>Betroffene Einstellungen:%1</translation>
    </message>
    <message>
        <source>The backup read before programming can be restored to put the radio back as it was: %1 (File &gt; Restore from Backup, then Program to Radio; or kvtool program %1 --port PORT).</source>
        <translation>Die vor dem Programmieren ausgelesene Sicherung kann wiederhergestellt werden, um das Funkgerät in den vorigen Zustand zu bringen: %1 (Datei &gt; Aus Sicherung wiederherstellen, dann Funkgerät programmieren; oder kvtool program %1 --port PORT).</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>... und %1 weitere</translation>
    </message>
    <message>
        <source>%1[Enable]</source>
        <translation>%1[Aktiv]</translation>
    </message>
    <message>
        <source>Nothing was imported from %1.</source>
        <translation>Aus %1 wurde nichts importiert.</translation>
    </message>
    <message>
        <source>Correct what is listed in the file, then import it again.</source>
        <translation>Korrigieren Sie das Aufgeführte in der Datei, und importieren Sie sie erneut.</translation>
    </message>
    <message>
        <source>Nothing was pasted.</source>
        <translation>Es wurde nichts eingefügt.</translation>
    </message>
    <message>
        <source>Correct what is listed where the rows were copied, then copy and paste them again.</source>
        <translation>Korrigieren Sie das Aufgeführte dort, wo die Zeilen kopiert wurden, und kopieren und fügen Sie sie erneut ein.</translation>
    </message>
    <message>
        <source>%1 %2 rows pasted.</source>
        <translation>%1 %2-Zeilen eingefügt.</translation>
    </message>
    <message>
        <source>%1 %2 channel exported to %3.</source>
        <translation>%1 %2-Kanal nach %3 exportiert.</translation>
    </message>
    <message>
        <source>%1 %2 channels exported to %3.</source>
        <translation>%1 %2-Kanäle nach %3 exportiert.</translation>
    </message>
    <message>
        <source>%1 %2 channel imported from %3.</source>
        <translation>%1 %2-Kanal aus %3 importiert.</translation>
    </message>
    <message>
        <source>%1 %2 channels imported from %3.</source>
        <translation>%1 %2-Kanäle aus %3 importiert.</translation>
    </message>
    <message>
        <source>%1 %2 channel from %3 is taken with these changes:</source>
        <translation>%1 %2-Kanal aus %3 wird mit diesen Änderungen übernommen:</translation>
    </message>
    <message>
        <source>%1 %2 channels from %3 are taken with these changes:</source>
        <translation>%1 %2-Kanäle aus %3 werden mit diesen Änderungen übernommen:</translation>
    </message>
    <message>
        <source>row %1, column %2: %3</source>
        <translation>Zeile %1, Spalte %2: %3</translation>
    </message>
    <message>
        <source>row %1: a quoted cell is not closed</source>
        <translation>Zeile %1: eine Zelle in Anführungszeichen ist nicht geschlossen</translation>
    </message>
    <message>
        <source>larger than %1 KB; not a channel list</source>
        <translation>größer als %1 KB; keine Kanalliste</translation>
    </message>
    <message>
        <source>not a UTF-8 text (byte %1)</source>
        <translation>kein UTF-8-Text (Byte %1)</translation>
    </message>
    <message>
        <source>row %1 is longer than %2 bytes; not a channel list</source>
        <translation>Zeile %1 ist länger als %2 Bytes; keine Kanalliste</translation>
    </message>
    <message>
        <source>Too many entries (the list holds %1 channels)</source>
        <translation>Zu viele Einträge (die Liste fasst %1 Kanäle)</translation>
    </message>
    <message>
        <source>%1 is neither &quot;&quot; (scanned) nor &quot;S&quot; (skipped)</source>
        <translation>%1 ist weder &quot;&quot; (abgesucht) noch &quot;S&quot; (übersprungen)</translation>
    </message>
    <message>
        <source>%1 is neither a scrambler code 0 to 3 nor &quot;--&quot;</source>
        <translation>%1 ist weder ein Scrambler-Code 0 bis 3 noch &quot;--&quot;</translation>
    </message>
    <message>
        <source>%1 is neither %2 nor %3</source>
        <translation>%1 ist weder %2 noch %3</translation>
    </message>
    <message>
        <source>%1 is none of &quot;TX SIMP&quot;, &quot;RX SIMP&quot;, &quot;DUP&quot;, &quot;Reverse DUP&quot;</source>
        <translation>%1 ist keines von &quot;TX SIMP&quot;, &quot;RX SIMP&quot;, &quot;DUP&quot;, &quot;Reverse DUP&quot;</translation>
    </message>
    <message>
        <source>longer than %1 characters</source>
        <translation>länger als %1 Zeichen</translation>
    </message>
    <message>
        <source>%1 holds a character a channel name cannot (letters, digits, - / , _ . and space)</source>
        <translation>%1 enthält ein Zeichen, das ein Kanalname nicht haben kann (Buchstaben, Ziffern, - / , _ . und Leerzeichen)</translation>
    </message>
    <message>
        <source>%1 is longer than the display&apos;s four characters</source>
        <translation>%1 ist länger als die vier Zeichen der Anzeige</translation>
    </message>
    <message>
        <source>%1 holds a character the display cannot show</source>
        <translation>%1 enthält ein Zeichen, das die Anzeige nicht darstellen kann</translation>
    </message>
    <message>
        <source>%1 is not a frequency in MHz</source>
        <translation>%1 ist keine Frequenz in MHz</translation>
    </message>
    <message>
        <source>%1 has more than four decimals (100 Hz)</source>
        <translation>%1 hat mehr als vier Nachkommastellen (100 Hz)</translation>
    </message>
    <message>
        <source>%1 is finer than the radio&apos;s steps of 100 Hz</source>
        <translation>%1 ist feiner als die 100-Hz-Schritte des Funkgeräts</translation>
    </message>
    <message>
        <source>the transmit frequency %1 MHz (Duplex %2) is outside %3 - %4 MHz, in steps of 25 kHz</source>
        <translation>die Sendefrequenz %1 MHz (Duplex %2) liegt außerhalb von %3 - %4 MHz, in Schritten von 25 kHz</translation>
    </message>
    <message>
        <source>the transmit frequency %1 MHz (Duplex %2) is outside %3 - %4 MHz</source>
        <translation>die Sendefrequenz %1 MHz (Duplex %2) liegt außerhalb von %3 - %4 MHz</translation>
    </message>
    <message>
        <source>%1 is outside %2 - %3 MHz, in steps of 25 kHz</source>
        <translation>%1 liegt außerhalb von %2 - %3 MHz, in Schritten von 25 kHz</translation>
    </message>
    <message>
        <source>%1 is outside %2 - %3 MHz</source>
        <translation>%1 liegt außerhalb von %2 - %3 MHz</translation>
    </message>
    <message>
        <source>%1 is no CTCSS tone (67.0Hz ... 254.1Hz) or DCS code (023N ... 754I)</source>
        <translation>%1 ist kein CTCSS-Ton (67.0Hz ... 254.1Hz) und kein DCS-Code (023N ... 754I)</translation>
    </message>
    <message>
        <source>%1 is not the transmit frequency of channel %2 (%3): a marine channel&apos;s frequencies follow its channel number</source>
        <translation>%1 ist nicht die Sendefrequenz von Kanal %2 (%3): Die Frequenzen eines Seefunkkanals folgen aus seiner Kanalnummer</translation>
    </message>
    <message>
        <source>%1 is not the receive frequency of channel %2 (%3): a marine channel&apos;s frequencies follow its channel number</source>
        <translation>%1 ist nicht die Empfangsfrequenz von Kanal %2 (%3): Die Frequenzen eines Seefunkkanals folgen aus seiner Kanalnummer</translation>
    </message>
    <message>
        <source>%1 is left out: this radio keeps no names</source>
        <translation>%1 entfällt: Dieses Funkgerät speichert keine Namen</translation>
    </message>
    <message>
        <source>%1 is shortened to %2</source>
        <translation>%1 wird auf %2 gekürzt</translation>
    </message>
    <message>
        <source>%1 is none of &quot;&quot;, &quot;+&quot;, &quot;-&quot;, &quot;split&quot;, &quot;off&quot;</source>
        <translation>%1 ist keines von &quot;&quot;, &quot;+&quot;, &quot;-&quot;, &quot;split&quot;, &quot;off&quot;</translation>
    </message>
    <message>
        <source>%1 is no CTCSS tone of the radio (67.0 to 254.1 Hz)</source>
        <translation>%1 ist kein CTCSS-Ton des Funkgeräts (67.0 bis 254.1 Hz)</translation>
    </message>
    <message>
        <source>%1 is no DCS code of the radio (023 to 754)</source>
        <translation>%1 ist kein DCS-Code des Funkgeräts (023 bis 754)</translation>
    </message>
    <message>
        <source>%1 is no polarity (N or R for transmit, then for receive)</source>
        <translation>%1 ist keine Polarität (N oder R für Senden, dann für Empfang)</translation>
    </message>
    <message>
        <source>%1 is no cross mode (Tone, DTCS or nothing on either side of -&gt;)</source>
        <translation>%1 ist kein Kreuzmodus (Tone, DTCS oder nichts auf beiden Seiten von -&gt;)</translation>
    </message>
    <message>
        <source>%1 is none of &quot;&quot;, &quot;Tone&quot;, &quot;TSQL&quot;, &quot;DTCS&quot;, &quot;Cross&quot;</source>
        <translation>%1 ist keines von &quot;&quot;, &quot;Tone&quot;, &quot;TSQL&quot;, &quot;DTCS&quot;, &quot;Cross&quot;</translation>
    </message>
    <message>
        <source>%1 does not fit these radios (FM or NFM)</source>
        <translation>%1 passt nicht zu diesen Funkgeräten (FM oder NFM)</translation>
    </message>
    <message>
        <source>%1 is no power level (High, Low or watts such as 5.0W)</source>
        <translation>%1 ist keine Leistungsstufe (High, Low oder Watt wie 5.0W)</translation>
    </message>
    <message>
        <source>%1 is left out: the radio keeps no comments</source>
        <translation>%1 entfällt: Das Funkgerät speichert keine Kommentare</translation>
    </message>
    <message>
        <source>%1 is no column of the %2 list</source>
        <translation>%1 ist keine Spalte der Liste %2</translation>
    </message>
    <message>
        <source>%1 expected, the row ends</source>
        <translation>%1 erwartet, die Zeile endet</translation>
    </message>
    <message>
        <source>%1 expected, found %2</source>
        <translation>%1 erwartet, %2 gefunden</translation>
    </message>
    <message>
        <source>%1 is no column of the generic layout</source>
        <translation>%1 ist keine Spalte des allgemeinen Formats</translation>
    </message>
    <message>
        <source>%1 is in column %2 already</source>
        <translation>%1 steht schon in Spalte %2</translation>
    </message>
    <message>
        <source>the generic layout holds RG, LMR and EXP channels, not %1 ones</source>
        <translation>das allgemeine Format enthält RG-, LMR- und EXP-Kanäle, keine %1-Kanäle</translation>
    </message>
    <message>
        <source>the row is separated by &quot;%1&quot;, the header by &quot;%2&quot;</source>
        <translation>die Zeile ist durch &quot;%1&quot; getrennt, die Kopfzeile durch &quot;%2&quot;</translation>
    </message>
    <message>
        <source>missing; the row has %1 cells, the list %2</source>
        <translation>fehlt; die Zeile hat %1 Zellen, die Liste %2</translation>
    </message>
    <message>
        <source>the %1 list has %2 columns</source>
        <translation>die Liste %1 hat %2 Spalten</translation>
    </message>
    <message>
        <source>%1 is kept as %2</source>
        <translation>%1 wird als %2 gespeichert</translation>
    </message>
    <message>
        <source>the radio would not keep %1 (it would hold %2)</source>
        <translation>das Funkgerät würde %1 nicht speichern (es enthielte %2)</translation>
    </message>
    <message>
        <source>%1 is no marine channel (00 to 119, or 1000 to 1099 and 2000 to 2099, and A or B after it)</source>
        <translation>%1 ist kein Seefunkkanal (00 bis 119, oder 1000 bis 1099 und 2000 bis 2099, dahinter A oder B)</translation>
    </message>
    <message>
        <source>the header names no column of the %1 list (%2, %3, ...) nor of the generic layout (Location, Name, Frequency, ...)</source>
        <translation>die Kopfzeile nennt keine Spalte der Liste %1 (%2, %3, ...) und keine des allgemeinen Formats (Location, Name, Frequency, ...)</translation>
    </message>
    <message>
        <source>%1 is no channel of the %2 list (1 to %3)</source>
        <translation>%1 ist kein Kanal der Liste %2 (1 bis %3)</translation>
    </message>
    <message>
        <source>channel %1 is in row %2 already</source>
        <translation>Kanal %1 steht schon in Zeile %2</translation>
    </message>
    <message>
        <source>The %1 priority named no channel of the list before: it becomes Off.</source>
        <translation>Die Priorität von %1 nannte vorher keinen Kanal der Liste: Sie wird Aus.</translation>
    </message>
    <message>
        <source>The %1 priority channel %2 is not in the imported list: the priority becomes Off.</source>
        <translation>Der Prioritätskanal %2 von %1 ist nicht in der importierten Liste: Die Priorität wird Aus.</translation>
    </message>
    <message>
        <source>Write every block</source>
        <translation>Jeden Block schreiben</translation>
    </message>
    <message>
        <source>The radio&apos;s memory gives receive-only channels another mode; the data keep them receive-only:</source>
        <translation>Der Speicher des Funkgeräts gibt Kanälen, die nur Empfang sind, eine andere Betriebsart; die Daten behalten sie als nur Empfang:</translation>
    </message>
    <message>
        <source>Program the radio to put it right.</source>
        <translation>Programmieren Sie das Funkgerät, um es zu berichtigen.</translation>
    </message>
    <message>
        <source>The radio no longer holds what it held when it was read: another radio, or its memory changed. Nothing was written. Program again to read it afresh.</source>
        <translation>Das Funkgerät enthält nicht mehr, was es beim Auslesen enthielt: ein anderes Funkgerät, oder sein Speicher hat sich geändert. Es wurde nichts geschrieben. Programmieren Sie erneut, um es neu auszulesen.</translation>
    </message>
    <message>
        <source>[%1] %2=%3: %4</source>
        <translation>[%1] %2=%3: %4</translation>
    </message>
    <message>
        <source>reading the radio into a backup: %1 blocks</source>
        <translation>Funkgerät in eine Sicherung auslesen: %1 Blöcke</translation>
    </message>
    <message>
        <source>reading the radio: %1 blocks</source>
        <translation>Funkgerät auslesen: %1 Blöcke</translation>
    </message>
    <message>
        <source>writing %1 of %2 blocks</source>
        <translation>Schreiben von %1 von %2 Blöcken</translation>
    </message>
    <message>
        <source>reading back %1 blocks to verify</source>
        <translation>Zurücklesen von %1 Blöcken zur Prüfung</translation>
    </message>
    <message>
        <source>%1, %2 left</source>
        <translation>%1, noch %2</translation>
    </message>
    <message>
        <source>CH %1 was the %2 priority channel: the priority is now Off.</source>
        <translation>Kanal %1 war der Prioritätskanal von %2: Die Priorität ist jetzt Aus.</translation>
    </message>
    <message>
        <source>Choose another priority channel under Available CH Group, or undo the delete (Edit &gt; Undo).</source>
        <translation>Wählen Sie unter Verfügbare Kanalgruppen einen anderen Prioritätskanal, oder machen Sie das Löschen rückgängig (Bearbeiten &gt; Rückgängig).</translation>
    </message>
    <message>
        <source>Every block was sent to the radio, but the transfer broke off: the radio may not hold the last one.</source>
        <translation>Alle Blöcke wurden an das Funkgerät gesendet, aber die Übertragung brach ab: Das Funkgerät enthält den letzten möglicherweise nicht.</translation>
    </message>
</context>
<context>
    <name>Undo</name>
    <message>
        <source>Enable</source>
        <translation>Aktiv</translation>
    </message>
    <message>
        <source>Base CH</source>
        <translation>Basiskanal</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>CH Number</source>
        <translation>Kanalnummer</translation>
    </message>
    <message>
        <source>RX Frequency</source>
        <translation>Empfangsfrequenz</translation>
    </message>
    <message>
        <source>TX Frequency</source>
        <translation>Sendefrequenz</translation>
    </message>
    <message>
        <source>TX Power</source>
        <translation>Sendeleistung</translation>
    </message>
    <message>
        <source>Low Power Only</source>
        <translation>Nur geringe Leistung</translation>
    </message>
    <message>
        <source>Power Up</source>
        <translation>Leistung erhöhen</translation>
    </message>
    <message>
        <source>Scan Memory</source>
        <translation>Suchlaufspeicher</translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <translation>Bandbreite</translation>
    </message>
    <message>
        <source>Compander</source>
        <translation>Kompander</translation>
    </message>
    <message>
        <source>Scrambler</source>
        <translation>Scrambler</translation>
    </message>
    <message>
        <source>Status No.</source>
        <translation>Status-Nr.</translation>
    </message>
    <message>
        <source>Status Icon</source>
        <translation>Statussymbol</translation>
    </message>
    <message>
        <source>Usable</source>
        <translation>Verfügbar</translation>
    </message>
    <message>
        <source>Priority CH</source>
        <translation>Prioritätskanal</translation>
    </message>
    <message>
        <source>Status Name</source>
        <translation>Statusname</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Sicherung</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Anzeige</translation>
    </message>
    <message>
        <source>%1 channel %2</source>
        <translation>%1-Kanal %2</translation>
    </message>
    <message>
        <source>Common Setup</source>
        <translation>Allgemeine Einstellungen</translation>
    </message>
    <message>
        <source>DSC Basic Setup</source>
        <translation>DSC-Grundeinstellungen</translation>
    </message>
    <message>
        <source>DSC Advanced Setup</source>
        <translation>Erweiterte DSC-Einstellungen</translation>
    </message>
    <message>
        <source>DSC Display Setup</source>
        <translation>DSC-Anzeigeeinstellungen</translation>
    </message>
    <message>
        <source>Usable ATIS CH Group</source>
        <translation>Verwendbare ATIS-Kanalgruppe</translation>
    </message>
    <message>
        <source>Usable ATIS Killer CH Group</source>
        <translation>Verwendbare ATIS-Killer-Kanalgruppe</translation>
    </message>
    <message>
        <source>ATIS Code</source>
        <translation>ATIS-Code</translation>
    </message>
    <message>
        <source>ATIS Call Sign %1</source>
        <translation>ATIS-Rufzeichen %1</translation>
    </message>
    <message>
        <source>WX channel %1</source>
        <translation>WX-Kanal %1</translation>
    </message>
    <message>
        <source>RG channel %1</source>
        <translation>RG-Kanal %1</translation>
    </message>
    <message>
        <source>Individual Directory entry %1</source>
        <translation>Einzelverzeichnis-Eintrag %1</translation>
    </message>
    <message>
        <source>Group Directory entry %1</source>
        <translation>Gruppenverzeichnis-Eintrag %1</translation>
    </message>
    <message>
        <source>settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>Add %1</source>
        <translation>%1 hinzufügen</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>%1 löschen</translation>
    </message>
</context>
<context>
    <name>kv::AboutDialog</name>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
</context>
<context>
    <name>kv::AtisScreen</name>
    <message>
        <source>ATIS Setup</source>
        <translation>ATIS-Einstellungen</translation>
    </message>
    <message>
        <source>Call Sign</source>
        <translation>Rufzeichen</translation>
    </message>
    <message>
        <source>Usable ATIS CH Group</source>
        <translation>Verwendbare ATIS-Kanalgruppe</translation>
    </message>
    <message>
        <source>Usable ATIS Killer CH Group</source>
        <translation>Verwendbare ATIS-Killer-Kanalgruppe</translation>
    </message>
    <message>
        <source>ATIS Code</source>
        <translation>ATIS-Code</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>MID</source>
        <translation>MID</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Anzeige</translation>
    </message>
    <message>
        <source>MID %1</source>
        <translation>MID %1</translation>
    </message>
    <message>
        <source>Display %1</source>
        <translation>Anzeige %1</translation>
    </message>
</context>
<context>
    <name>kv::ChannelEditorScreen</name>
    <message>
        <source>Enable</source>
        <translation>Aktiv</translation>
    </message>
    <message>
        <source>Low Power Only</source>
        <translation>Nur geringe Leistung</translation>
    </message>
    <message>
        <source>Power Up</source>
        <translation>Leistung erhöhen</translation>
    </message>
    <message>
        <source>Scan Memory</source>
        <translation>Suchlaufspeicher</translation>
    </message>
    <message>
        <source>Compander</source>
        <translation>Kompander</translation>
    </message>
    <message>
        <source>Wide</source>
        <translation>Breit</translation>
    </message>
    <message>
        <source>Narrow</source>
        <translation>Schmal</translation>
    </message>
    <message>
        <source>Duplex</source>
        <translation>Duplex</translation>
    </message>
    <message>
        <source>CH Display</source>
        <translation>Kanalanzeige</translation>
    </message>
    <message>
        <source>CH Name</source>
        <translation>Kanalname</translation>
    </message>
    <message>
        <source>CH Group</source>
        <translation>Kanalgruppe</translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <translation>Bandbreite</translation>
    </message>
    <message>
        <source>CTCSS TX / RX</source>
        <translation>CTCSS TX / RX</translation>
    </message>
    <message>
        <source>DCS TX / RX</source>
        <translation>DCS TX / RX</translation>
    </message>
    <message>
        <source>Scramble</source>
        <translation>Scrambler</translation>
    </message>
    <message>
        <source>CH Display left</source>
        <translation>Kanalanzeige links</translation>
    </message>
    <message>
        <source>CH Display right</source>
        <translation>Kanalanzeige rechts</translation>
    </message>
    <message>
        <source>CTCSS TX</source>
        <translation>CTCSS TX</translation>
    </message>
    <message>
        <source>CTCSS RX</source>
        <translation>CTCSS RX</translation>
    </message>
    <message>
        <source>DCS TX</source>
        <translation>DCS TX</translation>
    </message>
    <message>
        <source>DCS RX</source>
        <translation>DCS RX</translation>
    </message>
    <message>
        <source>RG Channel %1</source>
        <translation>RG-Kanal %1</translation>
    </message>
    <message>
        <source>%1 Channel %2</source>
        <translation>%1-Kanal %2</translation>
    </message>
</context>
<context>
    <name>kv::ChannelListScreen</name>
    <message>
        <source>RG Channel</source>
        <translation>RG-Kanäle</translation>
    </message>
    <message>
        <source>%1 Channel</source>
        <translation>%1-Kanäle</translation>
    </message>
</context>
<context>
    <name>kv::ChannelScreen</name>
    <message>
        <source>Paste %1 channels</source>
        <translation>%1-Kanäle einfügen</translation>
    </message>
</context>
<context>
    <name>kv::CommonSetupScreen</name>
    <message>
        <source>Common Setup</source>
        <translation>Allgemeine Einstellungen</translation>
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
    <name>kv::FleetDialog</name>
    <message>
        <source>Programming</source>
        <translation>Programmierung</translation>
    </message>
    <message>
        <source>The current data</source>
        <translation>Die aktuellen Daten</translation>
    </message>
    <message>
        <source>A file:</source>
        <translation>Eine Datei:</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Wählen...</translation>
    </message>
    <message>
        <source>Radios</source>
        <translation>Funkgeräte</translation>
    </message>
    <message>
        <source>No CSV loaded</source>
        <translation>Keine CSV geladen</translation>
    </message>
    <message>
        <source>Load CSV...</source>
        <translation>CSV laden...</translation>
    </message>
    <message>
        <source>Ports</source>
        <translation>Anschlüsse</translation>
    </message>
    <message>
        <source>Back up each radio before programming</source>
        <translation>Jedes Funkgerät vor dem Programmieren sichern</translation>
    </message>
    <message>
        <source>Verify after programming</source>
        <translation>Nach dem Programmieren prüfen</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Bezeichnung</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Anschluss</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Zustand</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Starten</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Save Log...</source>
        <translation>Protokoll speichern...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>No serial port found</source>
        <translation>Keine serielle Schnittstelle gefunden</translation>
    </message>
    <message>
        <source>dat files(*.dat)|*.dat|hex files(*.hex)|*.hex|All files(*.*)|*.*</source>
        <translation>dat-Dateien(*.dat)|*.dat|hex-Dateien(*.hex)|*.hex|Alle Dateien(*.*)|*.*</translation>
    </message>
    <message>
        <source>csv files(*.csv)|*.csv|All files(*.*)|*.*</source>
        <translation>csv-Dateien(*.csv)|*.csv|Alle Dateien(*.*)|*.*</translation>
    </message>
    <message>
        <source>Programming: %1.</source>
        <translation>Programmierung: %1.</translation>
    </message>
    <message>
        <source>Programming...</source>
        <translation>Programmierung läuft...</translation>
    </message>
    <message>
        <source>csv files(*.csv)|*.csv</source>
        <translation>csv-Dateien(*.csv)|*.csv</translation>
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
    <message>
        <source>dat files(*.dat)|*.dat|All files(*.*)|*.*</source>
        <translation>dat-Dateien(*.dat)|*.dat|Alle Dateien(*.*)|*.*</translation>
    </message>
    <message>
        <source>PDF files(*.pdf)|*.pdf|All files(*.*)|*.*</source>
        <translation>PDF-Dateien(*.pdf)|*.pdf|Alle Dateien(*.*)|*.*</translation>
    </message>
    <message>
        <source>csv files(*.csv)|*.csv|All files(*.*)|*.*</source>
        <translation>csv-Dateien(*.csv)|*.csv|Alle Dateien(*.*)|*.*</translation>
    </message>
    <message>
        <source>Narrow bandwidth</source>
        <translation>Schmale Bandbreite</translation>
    </message>
    <message>
        <source>hex files(*.hex)|*.hex|All files(*.*)|*.*</source>
        <translation>hex-Dateien(*.hex)|*.hex|Alle Dateien(*.*)|*.*</translation>
    </message>
    <message>
        <source>Screens</source>
        <translation>Bildschirme</translation>
    </message>
    <message>
        <source>Programmable Channel

Choose a channel list below this entry of the tree: the marine groups switched on in Available CH Group Setup, Weather (on models that have it) and RG Channel.</source>
        <translation>Programmierbare Kanäle

Wählen Sie eine Kanalliste unter diesem Eintrag des Baums: die in Verfügbare Kanalgruppen eingeschalteten Seefunkgruppen, Wetter (bei Modellen, die es haben) und RG-Kanäle.</translation>
    </message>
    <message>
        <source>Import %1 channels</source>
        <translation>%1-Kanäle importieren</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Öffnen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>Export PDF...</source>
        <translation>Als PDF exportieren...</translation>
    </message>
    <message>
        <source>P&amp;rint to File</source>
        <translation>In Datei d&amp;rucken</translation>
    </message>
    <message>
        <source>Restore from &amp;Backup...</source>
        <translation>Aus Sicherung &amp;wiederherstellen...</translation>
    </message>
    <message>
        <source>Recent &amp;Files</source>
        <translation>&amp;Zuletzt geöffnete Dateien</translation>
    </message>
    <message>
        <source>Export Channels (CSV)...</source>
        <translation>Kanäle exportieren (CSV)...</translation>
    </message>
    <message>
        <source>Export Channels (Generic CSV)...</source>
        <translation>Kanäle exportieren (allgemeines CSV)...</translation>
    </message>
    <message>
        <source>Import Channels (CSV)...</source>
        <translation>Kanäle importieren (CSV)...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Model</source>
        <translation>&amp;Modell</translation>
    </message>
    <message>
        <source>&amp;Transfer</source>
        <translation>&amp;Übertragung</translation>
    </message>
    <message>
        <source>&amp;Program to Radio</source>
        <translation>Funkgerät &amp;programmieren</translation>
    </message>
    <message>
        <source>&amp;Read from Radio</source>
        <translation>Funkgerät &amp;auslesen</translation>
    </message>
    <message>
        <source>Program &amp;Fleet...</source>
        <translation>&amp;Flotte programmieren...</translation>
    </message>
    <message>
        <source>&amp;Region</source>
        <translation>&amp;Region</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;SerialPort</source>
        <translation>&amp;Serieller Anschluss</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programmieren</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Auslesen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
</context>
<context>
    <name>kv::MarineGridScreen</name>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Kanal</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Base CH</source>
        <translation>Basiskanal</translation>
    </message>
    <message>
        <source>TX Power</source>
        <translation>Sendeleistung</translation>
    </message>
    <message>
        <source>Power Up</source>
        <translation>Leistung erhöhen</translation>
    </message>
    <message>
        <source>Status No.</source>
        <translation>Status-Nr.</translation>
    </message>
    <message>
        <source>Status Icon</source>
        <translation>Statussymbol</translation>
    </message>
    <message>
        <source>CH Name</source>
        <translation>Kanalname</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>%1 Channel</source>
        <translation>%1-Kanäle</translation>
    </message>
    <message>
        <source>Delete %1 channels</source>
        <translation>%1-Kanäle löschen</translation>
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
<context>
    <name>kv::ReportPreview</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Bericht</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Now, making text image. Please wait...</source>
        <translation>Der Bericht wird erstellt. Bitte warten...</translation>
    </message>
    <message>
        <source>Text files(*.txt)|*.txt|All files(*.*)|*.*</source>
        <translation>Textdateien(*.txt)|*.txt|Alle Dateien(*.*)|*.*</translation>
    </message>
</context>
<context>
    <name>kv::TransferDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
</context>
<context>
    <name>kv::UndoHistory</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Rückgängig: %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Wiederholen: %1</translation>
    </message>
</context>
<context>
    <name>kv::UsableScreen</name>
    <message>
        <source>Available CH Group Setup</source>
        <translation>Verfügbare Kanalgruppen</translation>
    </message>
    <message>
        <source>Usable</source>
        <translation>Verfügbar</translation>
    </message>
    <message>
        <source>Priority CH</source>
        <translation>Prioritätskanal</translation>
    </message>
    <message>
        <source>TX TOT</source>
        <translation>TX TOT</translation>
    </message>
    <message>
        <source>Status Icon</source>
        <translation>Statussymbol</translation>
    </message>
    <message>
        <source>Status Name</source>
        <translation>Statusname</translation>
    </message>
    <message>
        <source>EXP CH Usable</source>
        <translation>EXP-Kanäle verfügbar</translation>
    </message>
</context>
<context>
    <name>kv::WeatherScreen</name>
    <message>
        <source>Weather Channel</source>
        <translation>Wetterkanäle</translation>
    </message>
    <message>
        <source>CH</source>
        <translation>CH</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Aktiv</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Suchlauf</translation>
    </message>
    <message>
        <source>CH Name</source>
        <translation>Kanalname</translation>
    </message>
    <message>
        <source>Enable %1</source>
        <translation>Aktiv %1</translation>
    </message>
    <message>
        <source>Scan %1</source>
        <translation>Suchlauf %1</translation>
    </message>
    <message>
        <source>CH Name %1</source>
        <translation>Kanalname %1</translation>
    </message>
</context>
</TS>
