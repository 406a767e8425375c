<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>Messages</name>
    <message>
        <source>the chosen port</source>
        <translation>de gekozen poort</translation>
    </message>
    <message>
        <source>Nothing was written to the radio.</source>
        <translation>Er is niets naar de marifoon geschreven.</translation>
    </message>
    <message>
        <source>Every block was written; the read-back to verify them did not complete.</source>
        <translation>Alle blokken zijn geschreven; het teruglezen om ze te controleren is niet voltooid.</translation>
    </message>
    <message>
        <source>The radio already holds this data: the write changes nothing.<byte value="xd"/>
Write it anyway?</source>
        <translation>De marifoon bevat deze gegevens al: schrijven verandert niets.<byte value="xd"/>
Toch schrijven?</translation>
    </message>
    <message>
        <source>Numeric Only. Indispensable 10 figures.</source>
        <translation>Alleen cijfers. Precies 10 cijfers.</translation>
    </message>
    <message>
        <source>ATISNo</source>
        <translation>ATIS-nr.</translation>
    </message>
    <message>
        <source>Numeric Only. Indispensable 3 figures.</source>
        <translation>Alleen cijfers. Precies 3 cijfers.</translation>
    </message>
    <message>
        <source>Indispensable 3 figures.</source>
        <translation>Precies 3 tekens.</translation>
    </message>
    <message>
        <source>A maximum of 12 characters</source>
        <translation>Maximaal 12 tekens</translation>
    </message>
    <message>
        <source>Indispensable 2 figures.</source>
        <translation>Precies 2 tekens.</translation>
    </message>
    <message>
        <source>Rx frequency</source>
        <translation>Ontvangstfrequentie</translation>
    </message>
    <message>
        <source>Tx frequency</source>
        <translation>Zendfrequentie</translation>
    </message>
    <message>
        <source>max 4 charactors.</source>
        <translation>Maximaal 4 tekens.</translation>
    </message>
    <message>
        <source>The ATIS code has exactly ten digits. Type all ten, or empty the field for no ATIS code.</source>
        <translation>De ATIS-code heeft precies tien cijfers. Typ ze alle tien, of maak het veld leeg voor geen ATIS-code.</translation>
    </message>
    <message>
        <source>%1 must lie between %2 and %3 MHz. Enter a frequency in that band, or empty the field for no frequency.</source>
        <translation>%1: de waarde moet tussen %2 en %3 MHz liggen. Voer een frequentie in die band in, of maak het veld leeg voor geen frequentie.</translation>
    </message>
    <message>
        <source>%1 must lie between %2 and %3 MHz, in steps of 25 kHz. Enter such a frequency, or empty the field for no frequency.</source>
        <translation>%1: de waarde moet tussen %2 en %3 MHz liggen, in stappen van 25 kHz. Voer zo&apos;n frequentie in, of maak het veld leeg voor geen frequentie.</translation>
    </message>
    <message>
        <source>%1 is enabled but has no receive frequency (RX[MHz]). Enter it, untick Enable, or undo.</source>
        <translation>%1 is actief maar heeft geen ontvangstfrequentie (RX[MHz]). Voer die in, vink Actief uit, of maak ongedaan.</translation>
    </message>
    <message>
        <source>%1 is enabled but has no channel number (CH Display). Enter it, untick Enable, or undo.</source>
        <translation>%1 is actief maar heeft geen kanaalnummer (CH Display). Voer dat in, vink Actief uit, of maak ongedaan.</translation>
    </message>
    <message>
        <source>%1 is enabled but has no receive frequency (RX[MHz]) and no channel number (CH Display). Enter them, untick Enable, or undo.</source>
        <translation>%1 is actief maar heeft geen ontvangstfrequentie (RX[MHz]) en geen kanaalnummer (CH Display). Voer ze in, vink Actief uit, of maak ongedaan.</translation>
    </message>
    <message>
        <source>No receive frequency or channel number: %1. Enter what each lacks, or untick its Enable, then program again.</source>
        <translation>Geen ontvangstfrequentie of kanaalnummer: %1. Vul aan wat elk kanaal mist, of vink Actief uit, en programmeer opnieuw.</translation>
    </message>
    <message>
        <source>%1 does not exist. The ports that do: %2.</source>
        <translation>%1 bestaat niet. De poorten die wel bestaan: %2.</translation>
    </message>
    <message>
        <source>%1 does not exist. This computer has no serial port now: plug in the programming cable.</source>
        <translation>%1 bestaat niet. Deze computer heeft nu geen seriële poort: sluit de programmeerkabel aan.</translation>
    </message>
    <message>
        <source>%1: permission denied. Join the group that owns the device (sudo usermod -aG %2 $USER), then log in again.</source>
        <translation>%1: geen toegang. Word lid van de groep die eigenaar is van het apparaat (sudo usermod -aG %2 $USER) en meld u opnieuw aan.</translation>
    </message>
    <message>
        <source>%1: permission denied. The device allows only its owner. Grant access with a udev rule for the adapter: a file /etc/udev/rules.d/70-kvprog.rules holding the line SUBSYSTEM==&quot;tty&quot;, ATTRS{idVendor}==&quot;%2&quot;, ATTRS{idProduct}==&quot;%3&quot;, GROUP=&quot;dialout&quot;, MODE=&quot;0660&quot;; then join dialout (sudo usermod -aG dialout $USER), log in again and plug the adapter in again.</source>
        <translation>%1: geen toegang. Het apparaat staat alleen zijn eigenaar toe. Geef toegang met een udev-regel voor de adapter: een bestand /etc/udev/rules.d/70-kvprog.rules met de regel SUBSYSTEM==&quot;tty&quot;, ATTRS{idVendor}==&quot;%2&quot;, ATTRS{idProduct}==&quot;%3&quot;, GROUP=&quot;dialout&quot;, MODE=&quot;0660&quot;; word daarna lid van dialout (sudo usermod -aG dialout $USER), meld u opnieuw aan en sluit de adapter opnieuw aan.</translation>
    </message>
    <message>
        <source>%1: permission denied. The device allows only its owner. Grant access with a udev rule for the adapter: a file /etc/udev/rules.d/70-kvprog.rules holding the line SUBSYSTEM==&quot;tty&quot;, ATTRS{idVendor}==&quot;VVVV&quot;, ATTRS{idProduct}==&quot;PPPP&quot;, GROUP=&quot;dialout&quot;, MODE=&quot;0660&quot; (udevadm info -a -n %1 shows the adapter&apos;s idVendor and idProduct); then join dialout (sudo usermod -aG dialout $USER), log in again and plug the adapter in again.</source>
        <translation>%1: geen toegang. Het apparaat staat alleen zijn eigenaar toe. Geef toegang met een udev-regel voor de adapter: een bestand /etc/udev/rules.d/70-kvprog.rules met de regel SUBSYSTEM==&quot;tty&quot;, ATTRS{idVendor}==&quot;VVVV&quot;, ATTRS{idProduct}==&quot;PPPP&quot;, GROUP=&quot;dialout&quot;, MODE=&quot;0660&quot; (udevadm info -a -n %1 toont idVendor en idProduct van de adapter); word daarna lid van dialout (sudo usermod -aG dialout $USER), meld u opnieuw aan en sluit de adapter opnieuw aan.</translation>
    </message>
    <message>
        <source>%1 is busy: %2 holds it. Close %2 and try again.</source>
        <translation>%1 is bezet: %2 gebruikt de poort. Sluit %2 en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>%1 is busy: another program holds it. Close that program and try again.</source>
        <translation>%1 is bezet: een ander programma gebruikt de poort. Sluit dat programma en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>Nothing came back from %1 within %2 s, not even the echo the programming cable gives of every byte: no cable answers on that port.</source>
        <translation>Binnen %2 s kwam er niets terug van %1, zelfs niet de echo die de programmeerkabel van elke byte geeft: op die poort antwoordt geen kabel.</translation>
    </message>
    <message>
        <source>The radio did not answer properly on %1. Check that the radio is switched on and in PC-programming mode, that the cable is seated at both ends, and that %1 is the port the cable is on.</source>
        <translation>De marifoon antwoordde niet goed op %1. Controleer of de marifoon aan staat en in de pc-programmeermodus, of de kabel aan beide kanten goed vastzit, en of %1 de poort is waarop de kabel zit.</translation>
    </message>
    <message>
        <source>The radio now holds part old and part new data: %1 of %2 blocks were written.</source>
        <translation>De marifoon bevat nu deels oude en deels nieuwe gegevens: %1 van %2 blokken zijn geschreven.</translation>
    </message>
    <message>
        <source>Write again, or restore the backup.</source>
        <translation>Schrijf opnieuw, of zet de back-up terug.</translation>
    </message>
    <message>
        <source>The radio reports %1; the data are for %2.</source>
        <translation>De marifoon meldt %1; de gegevens zijn voor %2.</translation>
    </message>
    <message>
        <source>Data for one destination are not programmed into a radio of another. Read this radio (Transfer &gt; Read) to change what it holds.</source>
        <translation>Gegevens voor de ene landversie worden niet in een marifoon van een andere geprogrammeerd. Lees deze marifoon (Overdracht &gt; Marifoon uitlezen) om te wijzigen wat hij bevat.</translation>
    </message>
    <message>
        <source>Data for one destination are not programmed into a radio of another. Read this radio (Transfer &gt; Read) to change what it holds, or choose %1 in the Region menu to start from its default data.</source>
        <translation>Gegevens voor de ene landversie worden niet in een marifoon van een andere geprogrammeerd. Lees deze marifoon (Overdracht &gt; Marifoon uitlezen) om te wijzigen wat hij bevat, of kies %1 in het menu Regio om met de standaardgegevens daarvan te beginnen.</translation>
    </message>
    <message>
        <source>A read replaces all the data with the radio&apos;s. Switch to %1 and read the radio?</source>
        <translation>Uitlezen vervangt alle gegevens door die van de marifoon. Overschakelen naar %1 en de marifoon uitlezen?</translation>
    </message>
    <message>
        <source>The radio is set for %1; the data are for %2.</source>
        <translation>De marifoon is ingesteld op %1; de gegevens zijn voor %2.</translation>
    </message>
    <message>
        <source>The radio on %1 is not of the %2 series the data are for. Choose the radio&apos;s series under Edit &gt; Model, then try again.</source>
        <translation>De marifoon op %1 is niet van de %2-serie waarvoor de gegevens zijn. Kies de serie van de marifoon onder Bewerken &gt; Model en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>The radio on %1 is of the %2 series, but of a product version these data are not for.</source>
        <translation>De marifoon op %1 is van de %2-serie, maar van een productversie waarvoor deze gegevens niet zijn.</translation>
    </message>
    <message>
        <source>The radio on %1 reports that it is busy. Press Retry when it is free, or Cancel to stop.</source>
        <translation>De marifoon op %1 meldt dat hij bezet is. Klik op Opnieuw zodra hij vrij is, of op Annuleren om te stoppen.</translation>
    </message>
    <message>
        <source>The radio on %1 refused a request several times. OK synchronizes with it again and repeats the request; Cancel stops.</source>
        <translation>De marifoon op %1 weigerde een verzoek meermaals. OK synchroniseert opnieuw met de marifoon en herhaalt het verzoek; Annuleren stopt.</translation>
    </message>
    <message>
        <source>Verified: the radio holds every byte that was written.</source>
        <translation>Gecontroleerd: de marifoon bevat elke geschreven byte.</translation>
    </message>
    <message>
        <source>Could not read %1. Check the file&apos;s name and that you may read it.</source>
        <translation>Lezen mislukt: %1. Controleer de naam van het bestand en of u het mag lezen.</translation>
    </message>
    <message>
        <source>Could not write %1. Check that the folder exists, that you may write to it and that the disk has room, or save under another name.</source>
        <translation>Schrijven mislukt: %1. Controleer of de map bestaat, of u erin mag schrijven en of de schijf ruimte heeft, of sla op onder een andere naam.</translation>
    </message>
    <message>
        <source>%1 is not an image file of a %2: its length does not fit. Open an image file of this model, or choose the file&apos;s model under Edit &gt; Model first.</source>
        <translation>%1 is geen imagebestand van een %2: de lengte klopt niet. Open een imagebestand van dit model, of kies eerst het model van het bestand onder Bewerken &gt; Model.</translation>
    </message>
    <message>
        <source>%1 holds the data of another model than a %2. Choose the file&apos;s model under Edit &gt; Model, then open it again.</source>
        <translation>%1 bevat de gegevens van een ander model dan een %2. Kies het model van het bestand onder Bewerken &gt; Model en open het opnieuw.</translation>
    </message>
    <message>
        <source>%1 holds the data of another product version than a %2.</source>
        <translation>%1 bevat de gegevens van een andere productversie dan een %2.</translation>
    </message>
    <message>
        <source>The file names no model this program programs (MODELTYPE=%1). Open a settings file of a KV150 or KV170 series radio.</source>
        <translation>Het bestand noemt geen model dat dit programma programmeert (MODELTYPE=%1). Open een instellingenbestand van een marifoon uit de KV150- of KV170-serie.</translation>
    </message>
    <message>
        <source>The manual is %1; open it in a web browser.</source>
        <translation>De handleiding is %1; open die in een webbrowser.</translation>
    </message>
    <message>
        <source>PC Program for KV150/KV170 Series</source>
        <translation>PC-programma voor de KV150/KV170-serie</translation>
    </message>
    <message>
        <source>Read from Radio</source>
        <translation>Marifoon uitlezen</translation>
    </message>
    <message>
        <source>bad file!!</source>
        <translation>ongeldig bestand!!</translation>
    </message>
    <message>
        <source>ModelType Error !!</source>
        <translation>Fout in modeltype !!</translation>
    </message>
    <message>
        <source>ProductType Error !!</source>
        <translation>Fout in producttype !!</translation>
    </message>
    <message>
        <source>FileRead Error!!</source>
        <translation>Fout bij lezen van bestand!!</translation>
    </message>
    <message>
        <source>FileSave Error!!</source>
        <translation>Fout bij opslaan van bestand!!</translation>
    </message>
    <message>
        <source>different model!!</source>
        <translation>ander model!!</translation>
    </message>
    <message>
        <source>Program to Radio</source>
        <translation>Marifoon programmeren</translation>
    </message>
    <message>
        <source>Model Check</source>
        <translation>Modelcontrole</translation>
    </message>
    <message>
        <source>port inicialize error!!</source>
        <translation>fout bij initialiseren van poort!!</translation>
    </message>
    <message>
        <source>Communication Error!!</source>
        <translation>Communicatiefout!!</translation>
    </message>
    <message>
        <source>ACMD Command error!!</source>
        <translation>Fout in ACMD-commando!!</translation>
    </message>
    <message>
        <source>error!!</source>
        <translation>fout!!</translation>
    </message>
    <message>
        <source>cancel!!</source>
        <translation>geannuleerd!!</translation>
    </message>
    <message>
        <source>time out!!</source>
        <translation>time-out!!</translation>
    </message>
    <message>
        <source>Radio is busy!!</source>
        <translation>Marifoon is bezet!!</translation>
    </message>
    <message>
        <source>confirm the synchronization of the communication</source>
        <translation>bevestig de synchronisatie van de communicatie</translation>
    </message>
    <message>
        <source>address error!!</source>
        <translation>adresfout!!</translation>
    </message>
    <message>
        <source>data error!!</source>
        <translation>gegevensfout!!</translation>
    </message>
    <message>
        <source>Radio not ready!!</source>
        <translation>Marifoon niet gereed!!</translation>
    </message>
    <message>
        <source>Complete!!</source>
        <translation>Voltooid!!</translation>
    </message>
    <message>
        <source>Product Error !!</source>
        <translation>Productfout !!</translation>
    </message>
    <message>
        <source>Destination Error !!</source>
        <translation>Fout in landversie !!</translation>
    </message>
    <message>
        <source>The region selection is unmatched.</source>
        <translation>De gekozen regio komt niet overeen.</translation>
    </message>
    <message>
        <source>Do you want to read the data?</source>
        <translation>Wilt u de gegevens lezen?</translation>
    </message>
    <message>
        <source>Do you want to write the data?</source>
        <translation>Wilt u de gegevens schrijven?</translation>
    </message>
    <message>
        <source>(not exist)</source>
        <translation>(bestaat niet)</translation>
    </message>
    <message>
        <source>Data Error!!</source>
        <translation>Gegevensfout!!</translation>
    </message>
    <message>
        <source>Please input correct data.</source>
        <translation>Voer geldige gegevens in.</translation>
    </message>
    <message>
        <source>TWS data has changed.</source>
        <translation>De TWS-gegevens zijn gewijzigd.</translation>
    </message>
    <message>
        <source>Do you want to save changes?</source>
        <translation>Wilt u de wijzigingen opslaan?</translation>
    </message>
    <message>
        <source>IniFileRead Error!!</source>
        <translation>Fout bij lezen van standaardgegevens!!</translation>
    </message>
    <message>
        <source>[Up]/[Down]/[Left]/[Right]:Change of a Selection item.</source>
        <translation>[Omhoog]/[Omlaag]/[Links]/[Rechts]: keuze wijzigen.</translation>
    </message>
    <message>
        <source>[Up]/[Down]:Change of a Selection item.</source>
        <translation>[Omhoog]/[Omlaag]: keuze wijzigen.</translation>
    </message>
    <message>
        <source>[Space]:An effective and invalid change.</source>
        <translation>[Spatie]: aan- of uitvinken.</translation>
    </message>
    <message>
        <source>[Double click],[Enter]:Jump the Setting screen.</source>
        <translation>[Dubbelklik],[Enter]: naar het instellingenscherm.</translation>
    </message>
    <message>
        <source>Select[x]Enable/[]Disable.</source>
        <translation>Kies [x] actief / [ ] niet actief.</translation>
    </message>
    <message>
        <source>Unable to display Help Contents. There is no Help associated with this project.</source>
        <translation>De help kan niet worden getoond. Bij dit programma hoort geen help.</translation>
    </message>
    <message>
        <source>The help could not be opened: no web browser could be started.</source>
        <translation>De help kon niet worden geopend: er kon geen webbrowser worden gestart.</translation>
    </message>
    <message>
        <source>1.Connect the TWS cable between the PC serial port and the radio.</source>
        <translation>1. Sluit de TWS-kabel aan tussen de seriële poort van de pc en de marifoon.</translation>
    </message>
    <message>
        <source>2.Turn on the radio.</source>
        <translation>2. Zet de marifoon aan.</translation>
    </message>
    <message>
        <source>3.Press the [OK] button to start.</source>
        <translation>3. Klik op [OK] om te beginnen.</translation>
    </message>
    <message>
        <source>Messages now appear in the new language; the rest of the window follows when the program starts again.</source>
        <translation>Meldingen verschijnen nu in de nieuwe taal; de rest van het venster volgt wanneer het programma opnieuw start.</translation>
    </message>
</context>
<context>
    <name>kv::DevicePortSource</name>
    <message>
        <source>Simulated radio</source>
        <translation>Gesimuleerde marifoon</translation>
    </message>
</context>
<context>
    <name>kv::DialogBackupChooser</name>
    <message>
        <source>Restore from Backup</source>
        <translation>Terugzetten uit back-up</translation>
    </message>
    <message>
        <source>No backups yet: every read of a radio is kept here.</source>
        <translation>Nog geen back-ups: elke uitlezing van een marifoon wordt hier bewaard.</translation>
    </message>
    <message>
        <source>Every read of a radio is kept here, newest first:</source>
        <translation>Elke uitlezing van een marifoon wordt hier bewaard, nieuwste eerst:</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Terugzetten</translation>
    </message>
</context>
<context>
    <name>kv::MainWindow</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Taal</translation>
    </message>
    <message>
        <source>System language</source>
        <translation>Systeemtaal</translation>
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
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nee</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Opnieuw</translation>
    </message>
</context>
</TS>
