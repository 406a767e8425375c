<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>Columns</name>
    <message>
        <source>CH Name</source>
        <translation>Kanaalnaam</translation>
    </message>
    <message>
        <source>ENABLE</source>
        <translation>ACTIEF</translation>
    </message>
    <message>
        <source>DISP</source>
        <translation>WEERGAVE</translation>
    </message>
</context>
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
        <translation>%1 is actief maar heeft geen kanaalnummer (Kanaalweergave). Voer dat in, vink Actief uit, of maak ongedaan.</translation>
    </message>
    <message>
        <source>%1 is enabled but has no receive frequency (RX[MHz]) and no channel number (CH Display). Enter them, untick Enable, or undo.</source>
        <translation>%1 is actief maar heeft geen ontvangstfrequentie (RX[MHz]) en geen kanaalnummer (Kanaalweergave). Voer ze in, vink Actief uit, of maak ongedaan.</translation>
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
    <message>
        <source>a channel that does not transmit has no power to choose</source>
        <translation>een kanaal dat niet zendt heeft geen vermogen om te kiezen</translation>
    </message>
    <message>
        <source>only an enabled EXP channel is offered in a marine group</source>
        <translation>alleen een actief EXP-kanaal wordt in een marifoongroep aangeboden</translation>
    </message>
    <message>
        <source>a channel needs a receive frequency</source>
        <translation>een kanaal heeft een ontvangstfrequentie nodig</translation>
    </message>
    <message>
        <source>this radio keeps no tones</source>
        <translation>deze marifoon bewaart geen tonen</translation>
    </message>
    <message>
        <source>this radio has no narrow channels</source>
        <translation>deze marifoon heeft geen smalle kanalen</translation>
    </message>
    <message>
        <source>missing; the generic layout&apos;s rows need it</source>
        <translation>ontbreekt; de rijen van de generieke indeling hebben deze nodig</translation>
    </message>
    <message>
        <source>an enabled channel needs a receive frequency</source>
        <translation>een actief kanaal heeft een ontvangstfrequentie nodig</translation>
    </message>
    <message>
        <source>an enabled channel needs a channel number</source>
        <translation>een actief kanaal heeft een kanaalnummer nodig</translation>
    </message>
    <message>
        <source>wide is taken as narrow (NFM): a land-mobile channel in 150 - 174 MHz must be narrow</source>
        <translation>breed wordt als smal (NFM) overgenomen: een landmobiel kanaal in 150 - 174 MHz moet smal zijn</translation>
    </message>
    <message>
        <source>a land-mobile channel in 150 - 174 MHz must be narrow</source>
        <translation>een landmobiel kanaal in 150 - 174 MHz moet smal zijn</translation>
    </message>
    <message>
        <source>the header row is missing</source>
        <translation>de kopregel ontbreekt</translation>
    </message>
    <message>
        <source>a marine list keeps at least one channel</source>
        <translation>een marifoonlijst houdt ten minste één kanaal</translation>
    </message>
    <message>
        <source>row 1: the header mixes &quot;,&quot; and &quot;;&quot; as separators</source>
        <translation>regel 1: de kopregel gebruikt zowel &quot;,&quot; als &quot;;&quot; als scheidingsteken</translation>
    </message>
    <message>
        <source>Select a channel list (RG, LMR or EXP) first.</source>
        <translation>Kies eerst een kanaallijst (RG, LMR of EXP).</translation>
    </message>
    <message>
        <source>Select a channel list (USA, INTL, CANADA, Weather, RG, LMR or EXP) first.</source>
        <translation>Kies eerst een kanaallijst (USA, INTL, CANADA, Weer, RG, LMR of EXP).</translation>
    </message>
    <message>
        <source>Import them?</source>
        <translation>Importeren?</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Uit</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Aan</translation>
    </message>
    <message>
        <source>TX Po Display</source>
        <translation>Weergave zendvermogen</translation>
    </message>
    <message>
        <source>Lo Po Only</source>
        <translation>Alleen laag vermogen</translation>
    </message>
    <message>
        <source>Lo Po on Changing CH</source>
        <translation>Laag vermogen bij kanaalwissel</translation>
    </message>
    <message>
        <source>Last TX Po</source>
        <translation>Laatste zendvermogen</translation>
    </message>
    <message>
        <source>SCAN</source>
        <translation>Scannen</translation>
    </message>
    <message>
        <source>Resume Time</source>
        <translation>Hervattijd</translation>
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
        <translation>Scannen stoppen met PTT</translation>
    </message>
    <message>
        <source>Dual Watch</source>
        <translation>Dual watch</translation>
    </message>
    <message>
        <source>Offset Time</source>
        <translation>Tijdverschil</translation>
    </message>
    <message>
        <source>Magnetic Variation</source>
        <translation>Variatie</translation>
    </message>
    <message>
        <source>True</source>
        <translation>Ware</translation>
    </message>
    <message>
        <source>Mag</source>
        <translation>Magnetisch</translation>
    </message>
    <message>
        <source>Weather Alert</source>
        <translation>Weeralarm</translation>
    </message>
    <message>
        <source>Rotary Beep</source>
        <translation>Draaiknoppieptoon</translation>
    </message>
    <message>
        <source>LMR Channel</source>
        <translation>LMR-kanalen</translation>
    </message>
    <message>
        <source>EXP Channel</source>
        <translation>EXP-kanalen</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Algemeen</translation>
    </message>
    <message>
        <source>Available CH Group Setup</source>
        <translation>Beschikbare kanaalgroepen</translation>
    </message>
    <message>
        <source>Common Setup</source>
        <translation>Algemene instellingen</translation>
    </message>
    <message>
        <source>ATIS Setup</source>
        <translation>ATIS-instellingen</translation>
    </message>
    <message>
        <source>Programmable Channel</source>
        <translation>Programmeerbare kanalen</translation>
    </message>
    <message>
        <source>Weather</source>
        <translation>Weer</translation>
    </message>
    <message>
        <source>RG Channel</source>
        <translation>RG-kanalen</translation>
    </message>
    <message>
        <source>Back up the radio before programming</source>
        <translation>Back-up van de marifoon maken vóór het programmeren</translation>
    </message>
    <message>
        <source>Verify after programming</source>
        <translation>Controleren na het programmeren</translation>
    </message>
    <message>
        <source>Not all of the file could be taken as it stands:</source>
        <translation>Niet alles uit het bestand kon worden overgenomen zoals het er staat:</translation>
    </message>
    <message>
        <source>For what is missing the radio would get the default values or those loaded before.<byte value="xd"/>
Program the radio anyway?</source>
        <translation>Voor wat ontbreekt zou de marifoon de standaardwaarden krijgen of de eerder geladen waarden.<byte value="xd"/>
De marifoon toch programmeren?</translation>
    </message>
    <message>
        <source>Do you want to replace it?</source>
        <translation>Wilt u het vervangen?</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>wacht</translation>
    </message>
    <message>
        <source>waiting to be connected</source>
        <translation>wacht op aansluiten</translation>
    </message>
    <message>
        <source>programming</source>
        <translation>wordt geprogrammeerd</translation>
    </message>
    <message>
        <source>programmed and verified</source>
        <translation>geprogrammeerd en gecontroleerd</translation>
    </message>
    <message>
        <source>programmed</source>
        <translation>geprogrammeerd</translation>
    </message>
    <message>
        <source>partly written</source>
        <translation>deels geschreven</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>mislukt</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>geannuleerd</translation>
    </message>
    <message>
        <source>skipped</source>
        <translation>overgeslagen</translation>
    </message>
    <message>
        <source>not connected</source>
        <translation>niet aangesloten</translation>
    </message>
    <message>
        <source>cancelled before it started</source>
        <translation>geannuleerd voordat het begon</translation>
    </message>
    <message>
        <source>no port was left to program it</source>
        <translation>er was geen poort meer om hem te programmeren</translation>
    </message>
    <message>
        <source>the radio already held this data: nothing written</source>
        <translation>de marifoon bevatte deze gegevens al: niets geschreven</translation>
    </message>
    <message>
        <source>connect it, then press Next</source>
        <translation>sluit hem aan en klik dan op Volgende</translation>
    </message>
    <message>
        <source>Choose the programming every radio gets.</source>
        <translation>Kies de programmering die elke marifoon krijgt.</translation>
    </message>
    <message>
        <source>Load the radios&apos; CSV.</source>
        <translation>Laad de CSV met de marifoons.</translation>
    </message>
    <message>
        <source>Tick the ports to program on.</source>
        <translation>Vink de poorten aan waarop geprogrammeerd wordt.</translation>
    </message>
    <message>
        <source>Program Fleet</source>
        <translation>Vloot programmeren</translation>
    </message>
    <message>
        <source>the current data</source>
        <translation>de huidige gegevens</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Downloaden</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>Restore from Backup</source>
        <translation>Terugzetten uit back-up</translation>
    </message>
    <message>
        <source>Waiting for the radio to confirm the cancel...</source>
        <translation>Wachten tot de marifoon het annuleren bevestigt...</translation>
    </message>
    <message>
        <source>reading the radio into a backup</source>
        <translation>marifoon uitlezen naar een back-up</translation>
    </message>
    <message>
        <source>reading the radio</source>
        <translation>marifoon uitlezen</translation>
    </message>
    <message>
        <source>what the write changes</source>
        <translation>wat het schrijven verandert</translation>
    </message>
    <message>
        <source>writing</source>
        <translation>schrijven</translation>
    </message>
    <message>
        <source>reading back to verify</source>
        <translation>teruglezen ter controle</translation>
    </message>
    <message>
        <source>This write changes 1 setting:</source>
        <translation>Dit schrijven verandert 1 instelling:</translation>
    </message>
    <message>
        <source>No backup was read before programming.</source>
        <translation>Vóór het programmeren is geen back-up uitgelezen.</translation>
    </message>
    <message>
        <source>Program the radio without a backup?</source>
        <translation>De marifoon programmeren zonder back-up?</translation>
    </message>
    <message>
        <source>simplex</source>
        <translation>simplex</translation>
    </message>
    <message>
        <source>RX simplex</source>
        <translation>RX-simplex</translation>
    </message>
    <message>
        <source>duplex</source>
        <translation>duplex</translation>
    </message>
    <message>
        <source>reverse duplex</source>
        <translation>omgekeerd duplex</translation>
    </message>
    <message>
        <source>&amp;KV170 Series</source>
        <translation>&amp;KV170-serie</translation>
    </message>
    <message>
        <source>&amp;KV170X Series</source>
        <translation>KV170&amp;X-serie</translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation>De printer kon niet worden gestart.</translation>
    </message>
    <message>
        <source>The printer refused a new page.</source>
        <translation>De printer weigerde een nieuwe pagina.</translation>
    </message>
    <message>
        <source>The printer could not finish the document.</source>
        <translation>De printer kon het document niet afmaken.</translation>
    </message>
    <message>
        <source>FCC Rule Caution!</source>
        <translation>Let op: FCC-regel!</translation>
    </message>
    <message>
        <source>Your Data includes some Wide bandwidth CHs in 150 - 174 MHz band.<byte value="xd"/>
After Jan.1, 2013, You must change their CHs to Narrow bandwidth.</source>
        <translation>Uw gegevens bevatten kanalen met brede bandbreedte in de band 150 - 174 MHz.<byte value="xd"/>
Sinds 1 januari 2013 moet u deze kanalen op smalle bandbreedte zetten.</translation>
    </message>
    <message>
        <source>Do you change their CHs to Narrow bandwidth automatically, and start Do you start downloading them?<byte value="xd"/>
    Yes : It will be change the bandwidth into Narrow and start downloading.<byte value="xd"/>
    No : It will start downloading (w/o changing the bandwidth)</source>
        <translation>Deze kanalen automatisch op smalle bandbreedte zetten en het downloaden starten?<byte value="xd"/>
    Ja: de bandbreedte wordt smal en het downloaden start.<byte value="xd"/>
    Nee: het downloaden start (zonder de bandbreedte te wijzigen)</translation>
    </message>
    <message>
        <source>Your Data was changed Wide CHs to Narrow, and Do you start downloading them?</source>
        <translation>In uw gegevens zijn brede kanalen op smal gezet. Het downloaden starten?</translation>
    </message>
    <message>
        <source>After Jan.1, 2013, You must change some Wide CHs to Narrow in the 150 - 174 MHz band.</source>
        <translation>Sinds 1 januari 2013 moet u brede kanalen in de band 150 - 174 MHz op smal zetten.</translation>
    </message>
    <message>
        <source>Your Data was changed Wide CHs to Narrow.</source>
        <translation>In uw gegevens zijn brede kanalen op smal gezet.</translation>
    </message>
    <message>
        <source>Do yo want to program the %1 series?</source>
        <translation>Wilt u de %1-serie programmeren?</translation>
    </message>
    <message>
        <source>Do yo want to change to %1?</source>
        <translation>Wilt u overschakelen naar %1?</translation>
    </message>
    <message>
        <source>The data in the window are replaced with the default data of %1.</source>
        <translation>De gegevens in het venster worden vervangen door de standaardgegevens van %1.</translation>
    </message>
    <message>
        <source>The default data of %1 could not be read from %2. Install the program again, or choose another entry of the Region menu.</source>
        <translation>De standaardgegevens van %1 konden niet worden gelezen uit %2. Installeer het programma opnieuw, of kies een ander item in het menu Regio.</translation>
    </message>
    <message>
        <source>Too many entries</source>
        <translation>Te veel items</translation>
    </message>
    <message>
        <source>The %1 list holds at most %2 channels. Delete a channel before adding another.</source>
        <translation>De lijst %1 bevat ten hoogste %2 kanalen. Verwijder een kanaal voordat u er een toevoegt.</translation>
    </message>
    <message>
        <source>%1 is write-protected.</source>
        <translation>%1 is beveiligd tegen schrijven.</translation>
    </message>
    <message>
        <source>%1 was incomplete when it was loaded:</source>
        <translation>%1 was onvolledig toen het werd geladen:</translation>
    </message>
    <message>
        <source>Check that the printer is switched on, connected and ready, then print again; File &gt; Export PDF... saves the pages to print later.</source>
        <translation>Controleer of de printer aan staat, aangesloten en gereed is, en druk opnieuw af; Bestand &gt; Exporteren als PDF... bewaart de pagina&apos;s om later af te drukken.</translation>
    </message>
    <message>
        <source>Check that the folder exists, that you may write to it and that the disk has room, or save under another name.</source>
        <translation>Controleer of de map bestaat, of u erin mag schrijven en of de schijf ruimte heeft, of sla op onder een andere naam.</translation>
    </message>
    <message>
        <source>The read could not be kept in the backups folder: %1</source>
        <translation>De uitlezing kon niet in de map met back-ups worden bewaard: %1</translation>
    </message>
    <message>
        <source>The read itself is complete. Check that you may write to the backups folder and that the disk has room.</source>
        <translation>De uitlezing zelf is voltooid. Controleer of u in de map met back-ups mag schrijven en of de schijf ruimte heeft.</translation>
    </message>
    <message>
        <source>Choose another backup, or read the radio again.</source>
        <translation>Kies een andere back-up, of lees de marifoon opnieuw uit.</translation>
    </message>
    <message>
        <source>The backup could not be saved: %1</source>
        <translation>De back-up kon niet worden opgeslagen: %1</translation>
    </message>
    <message>
        <source>Choose a settings file (.dat) or an image file (.hex) of a KV150 or KV170 series radio that you may read.</source>
        <translation>Kies een instellingenbestand (.dat) of een imagebestand (.hex) van een marifoon uit de KV150- of KV170-serie dat u mag lezen.</translation>
    </message>
    <message>
        <source>Choose the radios&apos; CSV file again: check its name and that you may read it.</source>
        <translation>Kies het CSV-bestand met de marifoons opnieuw: controleer de naam en of u het mag lezen.</translation>
    </message>
    <message>
        <source>CH %1: %2.</source>
        <translation>Kanaal %1: %2.</translation>
    </message>
    <message>
        <source>channel %1 receives only, kept %2</source>
        <translation>kanaal %1 is alleen ontvangen, blijft %2</translation>
    </message>
    <message>
        <source>%1, the port chosen before, is not present: no port is chosen (Options &gt; SerialPort).</source>
        <translation>%1, de eerder gekozen poort, is er niet: er is geen poort gekozen (Opties &gt; Seriële poort).</translation>
    </message>
    <message>
        <source>Testing the cable on %1: waiting for its echo...</source>
        <translation>Kabel op %1 testen: wachten op de echo...</translation>
    </message>
    <message>
        <source>Waiting for the radio on %1 to answer...</source>
        <translation>Wachten tot de marifoon op %1 antwoordt...</translation>
    </message>
    <message>
        <source>Connect radio &apos;%1&apos; to %2, then press Next.</source>
        <translation>Sluit marifoon &apos;%1&apos; aan op %2 en klik dan op Volgende.</translation>
    </message>
    <message>
        <source>Step %1 of %2: %3</source>
        <translation>Stap %1 van %2: %3</translation>
    </message>
    <message>
        <source>This write changes %1 settings:</source>
        <translation>Dit schrijven verandert %1 instellingen:</translation>
    </message>
    <message>
        <source>Verify failed: the radio holds %1 byte(s) other than those written:%2</source>
        <translation>Controle mislukt: de marifoon bevat %1 byte(s) die afwijken van wat is geschreven:%2</translation>
    </message>
    <message>
        <source>Settings concerned:%1</source>
        <translation>Betrokken instellingen:%1</translation>
    </message>
    <message>
        <source>The backup read before programming can be restored to put the radio back as it was: %1 (File &gt; Restore from Backup, then Program to Radio; or kvtool program %1 --port PORT).</source>
        <translation>De back-up die vóór het programmeren is uitgelezen kan worden teruggezet om de marifoon te herstellen zoals hij was: %1 (Bestand &gt; Terugzetten uit back-up, dan Marifoon programmeren; of kvtool program %1 --port PORT).</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>... en nog %1</translation>
    </message>
    <message>
        <source>%1[Enable]</source>
        <translation>%1[Actief]</translation>
    </message>
    <message>
        <source>Nothing was imported from %1.</source>
        <translation>Er is niets geïmporteerd uit %1.</translation>
    </message>
    <message>
        <source>Correct what is listed in the file, then import it again.</source>
        <translation>Verbeter wat hierboven staat in het bestand en importeer het opnieuw.</translation>
    </message>
    <message>
        <source>Nothing was pasted.</source>
        <translation>Er is niets geplakt.</translation>
    </message>
    <message>
        <source>Correct what is listed where the rows were copied, then copy and paste them again.</source>
        <translation>Verbeter wat hierboven staat waar de rijen zijn gekopieerd, en kopieer en plak ze opnieuw.</translation>
    </message>
    <message>
        <source>%1 %2 rows pasted.</source>
        <translation>%1 %2-rijen geplakt.</translation>
    </message>
    <message>
        <source>%1 %2 channel exported to %3.</source>
        <translation>%1 %2-kanaal geëxporteerd naar %3.</translation>
    </message>
    <message>
        <source>%1 %2 channels exported to %3.</source>
        <translation>%1 %2-kanalen geëxporteerd naar %3.</translation>
    </message>
    <message>
        <source>%1 %2 channel imported from %3.</source>
        <translation>%1 %2-kanaal geïmporteerd uit %3.</translation>
    </message>
    <message>
        <source>%1 %2 channels imported from %3.</source>
        <translation>%1 %2-kanalen geïmporteerd uit %3.</translation>
    </message>
    <message>
        <source>%1 %2 channel from %3 is taken with these changes:</source>
        <translation>%1 %2-kanaal uit %3 wordt overgenomen met deze wijzigingen:</translation>
    </message>
    <message>
        <source>%1 %2 channels from %3 are taken with these changes:</source>
        <translation>%1 %2-kanalen uit %3 worden overgenomen met deze wijzigingen:</translation>
    </message>
    <message>
        <source>row %1, column %2: %3</source>
        <translation>regel %1, kolom %2: %3</translation>
    </message>
    <message>
        <source>row %1: a quoted cell is not closed</source>
        <translation>regel %1: een cel tussen aanhalingstekens is niet afgesloten</translation>
    </message>
    <message>
        <source>larger than %1 KB; not a channel list</source>
        <translation>groter dan %1 KB; geen kanaallijst</translation>
    </message>
    <message>
        <source>not a UTF-8 text (byte %1)</source>
        <translation>geen UTF-8-tekst (byte %1)</translation>
    </message>
    <message>
        <source>row %1 is longer than %2 bytes; not a channel list</source>
        <translation>regel %1 is langer dan %2 bytes; geen kanaallijst</translation>
    </message>
    <message>
        <source>Too many entries (the list holds %1 channels)</source>
        <translation>Te veel items (de lijst bevat %1 kanalen)</translation>
    </message>
    <message>
        <source>%1 is neither &quot;&quot; (scanned) nor &quot;S&quot; (skipped)</source>
        <translation>%1 is geen &quot;&quot; (gescand) of &quot;S&quot; (overgeslagen)</translation>
    </message>
    <message>
        <source>%1 is neither a scrambler code 0 to 3 nor &quot;--&quot;</source>
        <translation>%1 is geen scramblercode 0 tot 3 of &quot;--&quot;</translation>
    </message>
    <message>
        <source>%1 is neither %2 nor %3</source>
        <translation>%1 is geen %2 of %3</translation>
    </message>
    <message>
        <source>%1 is none of &quot;TX SIMP&quot;, &quot;RX SIMP&quot;, &quot;DUP&quot;, &quot;Reverse DUP&quot;</source>
        <translation>%1 is geen van &quot;TX SIMP&quot;, &quot;RX SIMP&quot;, &quot;DUP&quot;, &quot;Reverse DUP&quot;</translation>
    </message>
    <message>
        <source>longer than %1 characters</source>
        <translation>langer dan %1 tekens</translation>
    </message>
    <message>
        <source>%1 holds a character a channel name cannot (letters, digits, - / , _ . and space)</source>
        <translation>%1 bevat een teken dat niet in een kanaalnaam kan (letters, cijfers, - / , _ . en spatie)</translation>
    </message>
    <message>
        <source>%1 is longer than the display&apos;s four characters</source>
        <translation>%1 is langer dan de vier tekens van het display</translation>
    </message>
    <message>
        <source>%1 holds a character the display cannot show</source>
        <translation>%1 bevat een teken dat het display niet kan tonen</translation>
    </message>
    <message>
        <source>%1 is not a frequency in MHz</source>
        <translation>%1 is geen frequentie in MHz</translation>
    </message>
    <message>
        <source>%1 has more than four decimals (100 Hz)</source>
        <translation>%1 heeft meer dan vier decimalen (100 Hz)</translation>
    </message>
    <message>
        <source>%1 is finer than the radio&apos;s steps of 100 Hz</source>
        <translation>%1 is fijner dan de stappen van 100 Hz van de marifoon</translation>
    </message>
    <message>
        <source>the transmit frequency %1 MHz (Duplex %2) is outside %3 - %4 MHz, in steps of 25 kHz</source>
        <translation>de zendfrequentie %1 MHz (Duplex %2) ligt buiten %3 - %4 MHz, in stappen van 25 kHz</translation>
    </message>
    <message>
        <source>the transmit frequency %1 MHz (Duplex %2) is outside %3 - %4 MHz</source>
        <translation>de zendfrequentie %1 MHz (Duplex %2) ligt buiten %3 - %4 MHz</translation>
    </message>
    <message>
        <source>%1 is outside %2 - %3 MHz, in steps of 25 kHz</source>
        <translation>%1 ligt buiten %2 - %3 MHz, in stappen van 25 kHz</translation>
    </message>
    <message>
        <source>%1 is outside %2 - %3 MHz</source>
        <translation>%1 ligt buiten %2 - %3 MHz</translation>
    </message>
    <message>
        <source>%1 is no CTCSS tone (67.0Hz ... 254.1Hz) or DCS code (023N ... 754I)</source>
        <translation>%1 is geen CTCSS-toon (67.0Hz ... 254.1Hz) of DCS-code (023N ... 754I)</translation>
    </message>
    <message>
        <source>%1 is not the transmit frequency of channel %2 (%3): a marine channel&apos;s frequencies follow its channel number</source>
        <translation>%1 is niet de zendfrequentie van kanaal %2 (%3): de frequenties van een marifoonkanaal volgen uit het kanaalnummer</translation>
    </message>
    <message>
        <source>%1 is not the receive frequency of channel %2 (%3): a marine channel&apos;s frequencies follow its channel number</source>
        <translation>%1 is niet de ontvangstfrequentie van kanaal %2 (%3): de frequenties van een marifoonkanaal volgen uit het kanaalnummer</translation>
    </message>
    <message>
        <source>%1 is left out: this radio keeps no names</source>
        <translation>%1 is weggelaten: deze marifoon bewaart geen namen</translation>
    </message>
    <message>
        <source>%1 is shortened to %2</source>
        <translation>%1 is ingekort tot %2</translation>
    </message>
    <message>
        <source>%1 is none of &quot;&quot;, &quot;+&quot;, &quot;-&quot;, &quot;split&quot;, &quot;off&quot;</source>
        <translation>%1 is geen van &quot;&quot;, &quot;+&quot;, &quot;-&quot;, &quot;split&quot;, &quot;off&quot;</translation>
    </message>
    <message>
        <source>%1 is no CTCSS tone of the radio (67.0 to 254.1 Hz)</source>
        <translation>%1 is geen CTCSS-toon van de marifoon (67.0 tot 254.1 Hz)</translation>
    </message>
    <message>
        <source>%1 is no DCS code of the radio (023 to 754)</source>
        <translation>%1 is geen DCS-code van de marifoon (023 tot 754)</translation>
    </message>
    <message>
        <source>%1 is no polarity (N or R for transmit, then for receive)</source>
        <translation>%1 is geen polariteit (N of R voor zenden, dan voor ontvangen)</translation>
    </message>
    <message>
        <source>%1 is no cross mode (Tone, DTCS or nothing on either side of -&gt;)</source>
        <translation>%1 is geen kruismodus (Tone, DTCS of niets aan weerszijden van -&gt;)</translation>
    </message>
    <message>
        <source>%1 is none of &quot;&quot;, &quot;Tone&quot;, &quot;TSQL&quot;, &quot;DTCS&quot;, &quot;Cross&quot;</source>
        <translation>%1 is geen van &quot;&quot;, &quot;Tone&quot;, &quot;TSQL&quot;, &quot;DTCS&quot;, &quot;Cross&quot;</translation>
    </message>
    <message>
        <source>%1 does not fit these radios (FM or NFM)</source>
        <translation>%1 past niet bij deze marifoons (FM of NFM)</translation>
    </message>
    <message>
        <source>%1 is no power level (High, Low or watts such as 5.0W)</source>
        <translation>%1 is geen vermogensniveau (High, Low of watt zoals 5.0W)</translation>
    </message>
    <message>
        <source>%1 is left out: the radio keeps no comments</source>
        <translation>%1 is weggelaten: de marifoon bewaart geen opmerkingen</translation>
    </message>
    <message>
        <source>%1 is no column of the %2 list</source>
        <translation>%1 is geen kolom van de lijst %2</translation>
    </message>
    <message>
        <source>%1 expected, the row ends</source>
        <translation>%1 verwacht, de regel houdt op</translation>
    </message>
    <message>
        <source>%1 expected, found %2</source>
        <translation>%1 verwacht, %2 gevonden</translation>
    </message>
    <message>
        <source>%1 is no column of the generic layout</source>
        <translation>%1 is geen kolom van de generieke indeling</translation>
    </message>
    <message>
        <source>%1 is in column %2 already</source>
        <translation>%1 staat al in kolom %2</translation>
    </message>
    <message>
        <source>the generic layout holds RG, LMR and EXP channels, not %1 ones</source>
        <translation>de generieke indeling bevat RG-, LMR- en EXP-kanalen, geen %1-kanalen</translation>
    </message>
    <message>
        <source>the row is separated by &quot;%1&quot;, the header by &quot;%2&quot;</source>
        <translation>de regel is gescheiden door &quot;%1&quot;, de kopregel door &quot;%2&quot;</translation>
    </message>
    <message>
        <source>missing; the row has %1 cells, the list %2</source>
        <translation>ontbreekt; de regel heeft %1 cellen, de lijst %2</translation>
    </message>
    <message>
        <source>the %1 list has %2 columns</source>
        <translation>de lijst %1 heeft %2 kolommen</translation>
    </message>
    <message>
        <source>%1 is kept as %2</source>
        <translation>%1 wordt bewaard als %2</translation>
    </message>
    <message>
        <source>the radio would not keep %1 (it would hold %2)</source>
        <translation>de marifoon zou %1 niet bewaren (hij zou %2 bevatten)</translation>
    </message>
    <message>
        <source>%1 is no marine channel (00 to 119, or 1000 to 1099 and 2000 to 2099, and A or B after it)</source>
        <translation>%1 is geen marifoonkanaal (00 tot 119, of 1000 tot 1099 en 2000 tot 2099, met A of B erachter)</translation>
    </message>
    <message>
        <source>the header names no column of the %1 list (%2, %3, ...) nor of the generic layout (Location, Name, Frequency, ...)</source>
        <translation>de kopregel noemt geen kolom van de lijst %1 (%2, %3, ...) en ook niet van de generieke indeling (Location, Name, Frequency, ...)</translation>
    </message>
    <message>
        <source>%1 is no channel of the %2 list (1 to %3)</source>
        <translation>%1 is geen kanaal van de lijst %2 (1 tot %3)</translation>
    </message>
    <message>
        <source>channel %1 is in row %2 already</source>
        <translation>kanaal %1 staat al in regel %2</translation>
    </message>
    <message>
        <source>The %1 priority named no channel of the list before: it becomes Off.</source>
        <translation>De prioriteit van %1 noemde eerder geen kanaal van de lijst: deze wordt Uit.</translation>
    </message>
    <message>
        <source>The %1 priority channel %2 is not in the imported list: the priority becomes Off.</source>
        <translation>Het prioriteitskanaal %2 van %1 staat niet in de geïmporteerde lijst: de prioriteit wordt Uit.</translation>
    </message>
    <message>
        <source>Write every block</source>
        <translation>Elk blok schrijven</translation>
    </message>
    <message>
        <source>The radio&apos;s memory gives receive-only channels another mode; the data keep them receive-only:</source>
        <translation>Het geheugen van de marifoon geeft kanalen die alleen ontvangen een andere modus; de gegevens houden ze alleen ontvangen:</translation>
    </message>
    <message>
        <source>Program the radio to put it right.</source>
        <translation>Programmeer de marifoon om dit te herstellen.</translation>
    </message>
    <message>
        <source>The radio no longer holds what it held when it was read: another radio, or its memory changed. Nothing was written. Program again to read it afresh.</source>
        <translation>De marifoon bevat niet meer wat hij bij het uitlezen bevatte: een andere marifoon, of zijn geheugen is veranderd. Er is niets geschreven. Programmeer opnieuw om hem opnieuw uit te lezen.</translation>
    </message>
    <message>
        <source>[%1] %2=%3: %4</source>
        <translation>[%1] %2=%3: %4</translation>
    </message>
    <message>
        <source>reading the radio into a backup: %1 blocks</source>
        <translation>marifoon uitlezen naar een back-up: %1 blokken</translation>
    </message>
    <message>
        <source>reading the radio: %1 blocks</source>
        <translation>marifoon uitlezen: %1 blokken</translation>
    </message>
    <message>
        <source>writing %1 of %2 blocks</source>
        <translation>%1 van %2 blokken schrijven</translation>
    </message>
    <message>
        <source>reading back %1 blocks to verify</source>
        <translation>%1 blokken teruglezen ter controle</translation>
    </message>
    <message>
        <source>%1, %2 left</source>
        <translation>%1, nog %2</translation>
    </message>
    <message>
        <source>CH %1 was the %2 priority channel: the priority is now Off.</source>
        <translation>Kanaal %1 was het prioriteitskanaal van %2: de prioriteit staat nu Uit.</translation>
    </message>
    <message>
        <source>Choose another priority channel under Available CH Group, or undo the delete (Edit &gt; Undo).</source>
        <translation>Kies een ander prioriteitskanaal onder Beschikbare kanaalgroepen, of maak het verwijderen ongedaan (Bewerken &gt; Ongedaan maken).</translation>
    </message>
    <message>
        <source>Every block was sent to the radio, but the transfer broke off: the radio may not hold the last one.</source>
        <translation>Alle blokken zijn naar de marifoon gestuurd, maar de overdracht brak af: de marifoon bevat het laatste misschien niet.</translation>
    </message>
</context>
<context>
    <name>Undo</name>
    <message>
        <source>Enable</source>
        <translation>Actief</translation>
    </message>
    <message>
        <source>Base CH</source>
        <translation>Basiskanaal</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>CH Number</source>
        <translation>Kanaalnummer</translation>
    </message>
    <message>
        <source>RX Frequency</source>
        <translation>Ontvangstfrequentie</translation>
    </message>
    <message>
        <source>TX Frequency</source>
        <translation>Zendfrequentie</translation>
    </message>
    <message>
        <source>TX Power</source>
        <translation>Zendvermogen</translation>
    </message>
    <message>
        <source>Low Power Only</source>
        <translation>Alleen laag vermogen</translation>
    </message>
    <message>
        <source>Power Up</source>
        <translation>Vermogen verhogen</translation>
    </message>
    <message>
        <source>Scan Memory</source>
        <translation>Scangeheugen</translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <translation>Bandbreedte</translation>
    </message>
    <message>
        <source>Compander</source>
        <translation>Compander</translation>
    </message>
    <message>
        <source>Scrambler</source>
        <translation>Scrambler</translation>
    </message>
    <message>
        <source>Status No.</source>
        <translation>Statusnr.</translation>
    </message>
    <message>
        <source>Status Icon</source>
        <translation>Statuspictogram</translation>
    </message>
    <message>
        <source>Usable</source>
        <translation>Beschikbaar</translation>
    </message>
    <message>
        <source>Priority CH</source>
        <translation>Prioriteitskanaal</translation>
    </message>
    <message>
        <source>Status Name</source>
        <translation>Statusnaam</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Back-up</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Weergave</translation>
    </message>
    <message>
        <source>%1 channel %2</source>
        <translation>%1-kanaal %2</translation>
    </message>
    <message>
        <source>Common Setup</source>
        <translation>Algemene instellingen</translation>
    </message>
    <message>
        <source>DSC Basic Setup</source>
        <translation>DSC-basisinstellingen</translation>
    </message>
    <message>
        <source>DSC Advanced Setup</source>
        <translation>Geavanceerde DSC-instellingen</translation>
    </message>
    <message>
        <source>DSC Display Setup</source>
        <translation>DSC-weergave-instellingen</translation>
    </message>
    <message>
        <source>Usable ATIS CH Group</source>
        <translation>Bruikbare ATIS-kanaalgroep</translation>
    </message>
    <message>
        <source>Usable ATIS Killer CH Group</source>
        <translation>Bruikbare ATIS-killer-kanaalgroep</translation>
    </message>
    <message>
        <source>ATIS Code</source>
        <translation>ATIS-code</translation>
    </message>
    <message>
        <source>ATIS Call Sign %1</source>
        <translation>ATIS-roepnaam %1</translation>
    </message>
    <message>
        <source>WX channel %1</source>
        <translation>WX-kanaal %1</translation>
    </message>
    <message>
        <source>RG channel %1</source>
        <translation>RG-kanaal %1</translation>
    </message>
    <message>
        <source>Individual Directory entry %1</source>
        <translation>Individuele adresboekvermelding %1</translation>
    </message>
    <message>
        <source>Group Directory entry %1</source>
        <translation>Groepsadresboekvermelding %1</translation>
    </message>
    <message>
        <source>settings</source>
        <translation>instellingen</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 van %2</translation>
    </message>
    <message>
        <source>Add %1</source>
        <translation>%1 toevoegen</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>%1 verwijderen</translation>
    </message>
</context>
<context>
    <name>kv::AboutDialog</name>
    <message>
        <source>About %1</source>
        <translation>Over %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versie %1</translation>
    </message>
</context>
<context>
    <name>kv::AtisScreen</name>
    <message>
        <source>ATIS Setup</source>
        <translation>ATIS-instellingen</translation>
    </message>
    <message>
        <source>Call Sign</source>
        <translation>Roepnaam</translation>
    </message>
    <message>
        <source>Usable ATIS CH Group</source>
        <translation>Bruikbare ATIS-kanaalgroep</translation>
    </message>
    <message>
        <source>Usable ATIS Killer CH Group</source>
        <translation>Bruikbare ATIS-killer-kanaalgroep</translation>
    </message>
    <message>
        <source>ATIS Code</source>
        <translation>ATIS-code</translation>
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
        <translation>Weergave</translation>
    </message>
    <message>
        <source>MID %1</source>
        <translation>MID %1</translation>
    </message>
    <message>
        <source>Display %1</source>
        <translation>Weergave %1</translation>
    </message>
</context>
<context>
    <name>kv::ChannelEditorScreen</name>
    <message>
        <source>Enable</source>
        <translation>Actief</translation>
    </message>
    <message>
        <source>Low Power Only</source>
        <translation>Alleen laag vermogen</translation>
    </message>
    <message>
        <source>Power Up</source>
        <translation>Vermogen verhogen</translation>
    </message>
    <message>
        <source>Scan Memory</source>
        <translation>Scangeheugen</translation>
    </message>
    <message>
        <source>Compander</source>
        <translation>Compander</translation>
    </message>
    <message>
        <source>Wide</source>
        <translation>Breed</translation>
    </message>
    <message>
        <source>Narrow</source>
        <translation>Smal</translation>
    </message>
    <message>
        <source>Duplex</source>
        <translation>Duplex</translation>
    </message>
    <message>
        <source>CH Display</source>
        <translation>Kanaalweergave</translation>
    </message>
    <message>
        <source>CH Name</source>
        <translation>Kanaalnaam</translation>
    </message>
    <message>
        <source>CH Group</source>
        <translation>Kanaalgroep</translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <translation>Bandbreedte</translation>
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
        <translation>Kanaalweergave links</translation>
    </message>
    <message>
        <source>CH Display right</source>
        <translation>Kanaalweergave rechts</translation>
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
        <translation>RG-kanaal %1</translation>
    </message>
    <message>
        <source>%1 Channel %2</source>
        <translation>%1-kanaal %2</translation>
    </message>
</context>
<context>
    <name>kv::ChannelListScreen</name>
    <message>
        <source>RG Channel</source>
        <translation>RG-kanalen</translation>
    </message>
    <message>
        <source>%1 Channel</source>
        <translation>%1-kanalen</translation>
    </message>
</context>
<context>
    <name>kv::ChannelScreen</name>
    <message>
        <source>Paste %1 channels</source>
        <translation>%1-kanalen plakken</translation>
    </message>
</context>
<context>
    <name>kv::CommonSetupScreen</name>
    <message>
        <source>Common Setup</source>
        <translation>Algemene instellingen</translation>
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
    <name>kv::FleetDialog</name>
    <message>
        <source>Programming</source>
        <translation>Programmering</translation>
    </message>
    <message>
        <source>The current data</source>
        <translation>De huidige gegevens</translation>
    </message>
    <message>
        <source>A file:</source>
        <translation>Een bestand:</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Kiezen...</translation>
    </message>
    <message>
        <source>Radios</source>
        <translation>Marifoons</translation>
    </message>
    <message>
        <source>No CSV loaded</source>
        <translation>Geen CSV geladen</translation>
    </message>
    <message>
        <source>Load CSV...</source>
        <translation>CSV laden...</translation>
    </message>
    <message>
        <source>Ports</source>
        <translation>Poorten</translation>
    </message>
    <message>
        <source>Back up each radio before programming</source>
        <translation>Van elke marifoon een back-up maken vóór het programmeren</translation>
    </message>
    <message>
        <source>Verify after programming</source>
        <translation>Controleren na het programmeren</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Label</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Poort</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Toestand</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Voortgang</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultaat</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Starten</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Volgende</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Save Log...</source>
        <translation>Logboek opslaan...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>No serial port found</source>
        <translation>Geen seriële poort gevonden</translation>
    </message>
    <message>
        <source>dat files(*.dat)|*.dat|hex files(*.hex)|*.hex|All files(*.*)|*.*</source>
        <translation>dat-bestanden(*.dat)|*.dat|hex-bestanden(*.hex)|*.hex|Alle bestanden(*.*)|*.*</translation>
    </message>
    <message>
        <source>csv files(*.csv)|*.csv|All files(*.*)|*.*</source>
        <translation>csv-bestanden(*.csv)|*.csv|Alle bestanden(*.*)|*.*</translation>
    </message>
    <message>
        <source>Programming: %1.</source>
        <translation>Programmering: %1.</translation>
    </message>
    <message>
        <source>Programming...</source>
        <translation>Bezig met programmeren...</translation>
    </message>
    <message>
        <source>csv files(*.csv)|*.csv</source>
        <translation>csv-bestanden(*.csv)|*.csv</translation>
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
    <message>
        <source>dat files(*.dat)|*.dat|All files(*.*)|*.*</source>
        <translation>dat-bestanden(*.dat)|*.dat|Alle bestanden(*.*)|*.*</translation>
    </message>
    <message>
        <source>PDF files(*.pdf)|*.pdf|All files(*.*)|*.*</source>
        <translation>PDF-bestanden(*.pdf)|*.pdf|Alle bestanden(*.*)|*.*</translation>
    </message>
    <message>
        <source>csv files(*.csv)|*.csv|All files(*.*)|*.*</source>
        <translation>csv-bestanden(*.csv)|*.csv|Alle bestanden(*.*)|*.*</translation>
    </message>
    <message>
        <source>Narrow bandwidth</source>
        <translation>Smalle bandbreedte</translation>
    </message>
    <message>
        <source>hex files(*.hex)|*.hex|All files(*.*)|*.*</source>
        <translation>hex-bestanden(*.hex)|*.hex|Alle bestanden(*.*)|*.*</translation>
    </message>
    <message>
        <source>Screens</source>
        <translation>Schermen</translation>
    </message>
    <message>
        <source>Programmable Channel

Choose a channel list below this entry of the tree: the marine groups switched on in Available CH Group Setup, Weather (on models that have it) and RG Channel.</source>
        <translation>Programmeerbare kanalen

Kies een kanaallijst onder dit item van de boom: de marifoongroepen die in Beschikbare kanaalgroepen zijn ingeschakeld, Weer (op modellen die dat hebben) en RG-kanalen.</translation>
    </message>
    <message>
        <source>Import %1 channels</source>
        <translation>%1-kanalen importeren</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nieuw</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Openen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>Op&amp;slaan</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Opslaan &amp;als...</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>Af&amp;drukken</translation>
    </message>
    <message>
        <source>Export PDF...</source>
        <translation>Exporteren als PDF...</translation>
    </message>
    <message>
        <source>P&amp;rint to File</source>
        <translation>Afdrukken naar b&amp;estand</translation>
    </message>
    <message>
        <source>Restore from &amp;Backup...</source>
        <translation>&amp;Terugzetten uit back-up...</translation>
    </message>
    <message>
        <source>Recent &amp;Files</source>
        <translation>&amp;Recente bestanden</translation>
    </message>
    <message>
        <source>Export Channels (CSV)...</source>
        <translation>Kanalen exporteren (CSV)...</translation>
    </message>
    <message>
        <source>Export Channels (Generic CSV)...</source>
        <translation>Kanalen exporteren (generieke CSV)...</translation>
    </message>
    <message>
        <source>Import Channels (CSV)...</source>
        <translation>Kanalen importeren (CSV)...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Afsl&amp;uiten</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>Be&amp;werken</translation>
    </message>
    <message>
        <source>&amp;Model</source>
        <translation>&amp;Model</translation>
    </message>
    <message>
        <source>&amp;Transfer</source>
        <translation>&amp;Overdracht</translation>
    </message>
    <message>
        <source>&amp;Program to Radio</source>
        <translation>Marifoon &amp;programmeren</translation>
    </message>
    <message>
        <source>&amp;Read from Radio</source>
        <translation>Marifoon &amp;uitlezen</translation>
    </message>
    <message>
        <source>Program &amp;Fleet...</source>
        <translation>&amp;Vloot programmeren...</translation>
    </message>
    <message>
        <source>&amp;Region</source>
        <translation>&amp;Regio</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>O&amp;pties</translation>
    </message>
    <message>
        <source>&amp;SerialPort</source>
        <translation>&amp;Seriële poort</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhoud</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Over</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Werkbalk</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nieuw</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Openen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Afdrukken</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programmeren</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Uitlezen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
</context>
<context>
    <name>kv::MarineGridScreen</name>
    <message>
        <source>Add</source>
        <translation>Toevoegen</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Wijzigen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Kanaal</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Geen</translation>
    </message>
    <message>
        <source>Base CH</source>
        <translation>Basiskanaal</translation>
    </message>
    <message>
        <source>TX Power</source>
        <translation>Zendvermogen</translation>
    </message>
    <message>
        <source>Power Up</source>
        <translation>Vermogen verhogen</translation>
    </message>
    <message>
        <source>Status No.</source>
        <translation>Statusnr.</translation>
    </message>
    <message>
        <source>Status Icon</source>
        <translation>Statuspictogram</translation>
    </message>
    <message>
        <source>CH Name</source>
        <translation>Kanaalnaam</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>%1 Channel</source>
        <translation>%1-kanalen</translation>
    </message>
    <message>
        <source>Delete %1 channels</source>
        <translation>%1-kanalen verwijderen</translation>
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
<context>
    <name>kv::ReportPreview</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>Op&amp;slaan</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Afsl&amp;uiten</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Rapport</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Now, making text image. Please wait...</source>
        <translation>Het rapport wordt opgemaakt. Even geduld...</translation>
    </message>
    <message>
        <source>Text files(*.txt)|*.txt|All files(*.*)|*.*</source>
        <translation>Tekstbestanden(*.txt)|*.txt|Alle bestanden(*.*)|*.*</translation>
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
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
</context>
<context>
    <name>kv::UndoHistory</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Ongedaan maken</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>Opnieuw &amp;uitvoeren</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Ongedaan maken: %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>Opnieuw &amp;uitvoeren: %1</translation>
    </message>
</context>
<context>
    <name>kv::UsableScreen</name>
    <message>
        <source>Available CH Group Setup</source>
        <translation>Beschikbare kanaalgroepen</translation>
    </message>
    <message>
        <source>Usable</source>
        <translation>Beschikbaar</translation>
    </message>
    <message>
        <source>Priority CH</source>
        <translation>Prioriteitskanaal</translation>
    </message>
    <message>
        <source>TX TOT</source>
        <translation>TX TOT</translation>
    </message>
    <message>
        <source>Status Icon</source>
        <translation>Statuspictogram</translation>
    </message>
    <message>
        <source>Status Name</source>
        <translation>Statusnaam</translation>
    </message>
    <message>
        <source>EXP CH Usable</source>
        <translation>EXP-kanalen beschikbaar</translation>
    </message>
</context>
<context>
    <name>kv::WeatherScreen</name>
    <message>
        <source>Weather Channel</source>
        <translation>Weerkanalen</translation>
    </message>
    <message>
        <source>CH</source>
        <translation>CH</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Actief</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Scannen</translation>
    </message>
    <message>
        <source>CH Name</source>
        <translation>Kanaalnaam</translation>
    </message>
    <message>
        <source>Enable %1</source>
        <translation>Actief %1</translation>
    </message>
    <message>
        <source>Scan %1</source>
        <translation>Scannen %1</translation>
    </message>
    <message>
        <source>CH Name %1</source>
        <translation>Kanaalnaam %1</translation>
    </message>
</context>
</TS>
