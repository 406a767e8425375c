<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv_SE">
<context>
    <name>Columns</name>
    <message>
        <source>CH Name</source>
        <translation>Kanalnamn</translation>
    </message>
    <message>
        <source>ENABLE</source>
        <translation>AKTIV</translation>
    </message>
    <message>
        <source>DISP</source>
        <translation>VISNING</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>the chosen port</source>
        <translation>den valda porten</translation>
    </message>
    <message>
        <source>Nothing was written to the radio.</source>
        <translation>Ingenting skrevs till radion.</translation>
    </message>
    <message>
        <source>Every block was written; the read-back to verify them did not complete.</source>
        <translation>Alla block skrevs; återläsningen för att verifiera dem slutfördes inte.</translation>
    </message>
    <message>
        <source>The radio already holds this data: the write changes nothing.<byte value="xd"/>
Write it anyway?</source>
        <translation>Radion innehåller redan dessa data: skrivningen ändrar ingenting.<byte value="xd"/>
Skriva ändå?</translation>
    </message>
    <message>
        <source>Numeric Only. Indispensable 10 figures.</source>
        <translation>Endast siffror. Exakt 10 siffror.</translation>
    </message>
    <message>
        <source>ATISNo</source>
        <translation>ATIS-nr</translation>
    </message>
    <message>
        <source>Numeric Only. Indispensable 3 figures.</source>
        <translation>Endast siffror. Exakt 3 siffror.</translation>
    </message>
    <message>
        <source>Indispensable 3 figures.</source>
        <translation>Exakt 3 tecken.</translation>
    </message>
    <message>
        <source>A maximum of 12 characters</source>
        <translation>Högst 12 tecken</translation>
    </message>
    <message>
        <source>Indispensable 2 figures.</source>
        <translation>Exakt 2 tecken.</translation>
    </message>
    <message>
        <source>Rx frequency</source>
        <translation>Mottagningsfrekvens</translation>
    </message>
    <message>
        <source>Tx frequency</source>
        <translation>Sändningsfrekvens</translation>
    </message>
    <message>
        <source>max 4 charactors.</source>
        <translation>Högst 4 tecken.</translation>
    </message>
    <message>
        <source>The ATIS code has exactly ten digits. Type all ten, or empty the field for no ATIS code.</source>
        <translation>ATIS-koden har exakt tio siffror. Skriv alla tio, eller töm fältet för ingen ATIS-kod.</translation>
    </message>
    <message>
        <source>%1 must lie between %2 and %3 MHz. Enter a frequency in that band, or empty the field for no frequency.</source>
        <translation>%1: värdet måste ligga mellan %2 och %3 MHz. Ange en frekvens i det bandet, eller töm fältet för ingen frekvens.</translation>
    </message>
    <message>
        <source>%1 must lie between %2 and %3 MHz, in steps of 25 kHz. Enter such a frequency, or empty the field for no frequency.</source>
        <translation>%1: värdet måste ligga mellan %2 och %3 MHz, i steg om 25 kHz. Ange en sådan frekvens, eller töm fältet för ingen frekvens.</translation>
    </message>
    <message>
        <source>%1 is enabled but has no receive frequency (RX[MHz]). Enter it, untick Enable, or undo.</source>
        <translation>%1 är aktiv men har ingen mottagningsfrekvens (RX[MHz]). Ange den, avmarkera Aktiv, eller ångra.</translation>
    </message>
    <message>
        <source>%1 is enabled but has no channel number (CH Display). Enter it, untick Enable, or undo.</source>
        <translation>%1 är aktiv men har inget kanalnummer (Kanalvisning). Ange det, avmarkera Aktiv, eller ångra.</translation>
    </message>
    <message>
        <source>%1 is enabled but has no receive frequency (RX[MHz]) and no channel number (CH Display). Enter them, untick Enable, or undo.</source>
        <translation>%1 är aktiv men har ingen mottagningsfrekvens (RX[MHz]) och inget kanalnummer (Kanalvisning). Ange dem, avmarkera Aktiv, eller ångra.</translation>
    </message>
    <message>
        <source>No receive frequency or channel number: %1. Enter what each lacks, or untick its Enable, then program again.</source>
        <translation>Ingen mottagningsfrekvens eller inget kanalnummer: %1. Fyll i det som saknas för varje kanal, eller avmarkera Aktiv, och programmera igen.</translation>
    </message>
    <message>
        <source>%1 does not exist. The ports that do: %2.</source>
        <translation>%1 finns inte. De portar som finns: %2.</translation>
    </message>
    <message>
        <source>%1 does not exist. This computer has no serial port now: plug in the programming cable.</source>
        <translation>%1 finns inte. Den här datorn har ingen serieport just nu: anslut programmeringskabeln.</translation>
    </message>
    <message>
        <source>%1: permission denied. Join the group that owns the device (sudo usermod -aG %2 $USER), then log in again.</source>
        <translation>%1: åtkomst nekad. Gå med i gruppen som äger enheten (sudo usermod -aG %2 $USER) och logga sedan in igen.</translation>
    </message>
    <message>
        <source>%1: permission denied. The device allows only its owner. Grant access with a udev rule for the adapter: a file /etc/udev/rules.d/70-kvprog.rules holding the line SUBSYSTEM==&quot;tty&quot;, ATTRS{idVendor}==&quot;%2&quot;, ATTRS{idProduct}==&quot;%3&quot;, GROUP=&quot;dialout&quot;, MODE=&quot;0660&quot;; then join dialout (sudo usermod -aG dialout $USER), log in again and plug the adapter in again.</source>
        <translation>%1: åtkomst nekad. Enheten tillåter bara sin ägare. Ge åtkomst med en udev-regel för adaptern: en fil /etc/udev/rules.d/70-kvprog.rules med raden SUBSYSTEM==&quot;tty&quot;, ATTRS{idVendor}==&quot;%2&quot;, ATTRS{idProduct}==&quot;%3&quot;, GROUP=&quot;dialout&quot;, MODE=&quot;0660&quot;; gå sedan med i dialout (sudo usermod -aG dialout $USER), logga in igen och anslut adaptern på nytt.</translation>
    </message>
    <message>
        <source>%1: permission denied. The device allows only its owner. Grant access with a udev rule for the adapter: a file /etc/udev/rules.d/70-kvprog.rules holding the line SUBSYSTEM==&quot;tty&quot;, ATTRS{idVendor}==&quot;VVVV&quot;, ATTRS{idProduct}==&quot;PPPP&quot;, GROUP=&quot;dialout&quot;, MODE=&quot;0660&quot; (udevadm info -a -n %1 shows the adapter&apos;s idVendor and idProduct); then join dialout (sudo usermod -aG dialout $USER), log in again and plug the adapter in again.</source>
        <translation>%1: åtkomst nekad. Enheten tillåter bara sin ägare. Ge åtkomst med en udev-regel för adaptern: en fil /etc/udev/rules.d/70-kvprog.rules med raden SUBSYSTEM==&quot;tty&quot;, ATTRS{idVendor}==&quot;VVVV&quot;, ATTRS{idProduct}==&quot;PPPP&quot;, GROUP=&quot;dialout&quot;, MODE=&quot;0660&quot; (udevadm info -a -n %1 visar adapterns idVendor och idProduct); gå sedan med i dialout (sudo usermod -aG dialout $USER), logga in igen och anslut adaptern på nytt.</translation>
    </message>
    <message>
        <source>%1 is busy: %2 holds it. Close %2 and try again.</source>
        <translation>%1 är upptagen: %2 använder porten. Stäng %2 och försök igen.</translation>
    </message>
    <message>
        <source>%1 is busy: another program holds it. Close that program and try again.</source>
        <translation>%1 är upptagen: ett annat program använder porten. Stäng det programmet och försök igen.</translation>
    </message>
    <message>
        <source>Nothing came back from %1 within %2 s, not even the echo the programming cable gives of every byte: no cable answers on that port.</source>
        <translation>Inget kom tillbaka från %1 inom %2 s, inte ens det eko som programmeringskabeln ger av varje byte: ingen kabel svarar på den porten.</translation>
    </message>
    <message>
        <source>The radio did not answer properly on %1. Check that the radio is switched on and in PC-programming mode, that the cable is seated at both ends, and that %1 is the port the cable is on.</source>
        <translation>Radion svarade inte korrekt på %1. Kontrollera att radion är påslagen och i PC-programmeringsläge, att kabeln sitter fast i båda ändar och att %1 är den port som kabeln sitter i.</translation>
    </message>
    <message>
        <source>The radio now holds part old and part new data: %1 of %2 blocks were written.</source>
        <translation>Radion innehåller nu delvis gamla och delvis nya data: %1 av %2 block skrevs.</translation>
    </message>
    <message>
        <source>Write again, or restore the backup.</source>
        <translation>Skriv igen, eller återställ säkerhetskopian.</translation>
    </message>
    <message>
        <source>The radio reports %1; the data are for %2.</source>
        <translation>Radion anger %1; data är för %2.</translation>
    </message>
    <message>
        <source>Data for one destination are not programmed into a radio of another. Read this radio (Transfer &gt; Read) to change what it holds.</source>
        <translation>Data för en landsversion programmeras inte in i en radio av en annan. Läs den här radion (Överföring &gt; Läs från radion) för att ändra det den innehåller.</translation>
    </message>
    <message>
        <source>Data for one destination are not programmed into a radio of another. Read this radio (Transfer &gt; Read) to change what it holds, or choose %1 in the Region menu to start from its default data.</source>
        <translation>Data för en landsversion programmeras inte in i en radio av en annan. Läs den här radion (Överföring &gt; Läs från radion) för att ändra det den innehåller, eller välj %1 i menyn Region för att börja från dess standarddata.</translation>
    </message>
    <message>
        <source>A read replaces all the data with the radio&apos;s. Switch to %1 and read the radio?</source>
        <translation>En läsning ersätter all data med radions. Byta till %1 och läsa radion?</translation>
    </message>
    <message>
        <source>The radio is set for %1; the data are for %2.</source>
        <translation>Radion är inställd för %1; data är för %2.</translation>
    </message>
    <message>
        <source>The radio on %1 is not of the %2 series the data are for. Choose the radio&apos;s series under Edit &gt; Model, then try again.</source>
        <translation>Radion på %1 är inte av den %2-serie som data är för. Välj radions serie under Redigera &gt; Modell och försök igen.</translation>
    </message>
    <message>
        <source>The radio on %1 is of the %2 series, but of a product version these data are not for.</source>
        <translation>Radion på %1 är av %2-serien, men av en produktversion som dessa data inte är för.</translation>
    </message>
    <message>
        <source>The radio on %1 reports that it is busy. Press Retry when it is free, or Cancel to stop.</source>
        <translation>Radion på %1 anger att den är upptagen. Klicka på Försök igen när den är ledig, eller på Avbryt för att sluta.</translation>
    </message>
    <message>
        <source>The radio on %1 refused a request several times. OK synchronizes with it again and repeats the request; Cancel stops.</source>
        <translation>Radion på %1 avvisade en begäran flera gånger. OK synkroniserar med den igen och upprepar begäran; Avbryt slutar.</translation>
    </message>
    <message>
        <source>Verified: the radio holds every byte that was written.</source>
        <translation>Verifierat: radion innehåller varje byte som skrevs.</translation>
    </message>
    <message>
        <source>Could not read %1. Check the file&apos;s name and that you may read it.</source>
        <translation>Kunde inte läsa %1. Kontrollera filens namn och att du får läsa den.</translation>
    </message>
    <message>
        <source>Could not write %1. Check that the folder exists, that you may write to it and that the disk has room, or save under another name.</source>
        <translation>Kunde inte skriva %1. Kontrollera att mappen finns, att du får skriva i den och att disken har plats, eller spara under ett annat namn.</translation>
    </message>
    <message>
        <source>%1 is not an image file of a %2: its length does not fit. Open an image file of this model, or choose the file&apos;s model under Edit &gt; Model first.</source>
        <translation>%1 är ingen avbildsfil för en %2: längden stämmer inte. Öppna en avbildsfil för den här modellen, eller välj först filens modell under Redigera &gt; Modell.</translation>
    </message>
    <message>
        <source>%1 holds the data of another model than a %2. Choose the file&apos;s model under Edit &gt; Model, then open it again.</source>
        <translation>%1 innehåller data för en annan modell än en %2. Välj filens modell under Redigera &gt; Modell och öppna den igen.</translation>
    </message>
    <message>
        <source>%1 holds the data of another product version than a %2.</source>
        <translation>%1 innehåller data för en annan produktversion än en %2.</translation>
    </message>
    <message>
        <source>The file names no model this program programs (MODELTYPE=%1). Open a settings file of a KV150 or KV170 series radio.</source>
        <translation>Filen anger ingen modell som det här programmet programmerar (MODELTYPE=%1). Öppna en inställningsfil för en radio i KV150- eller KV170-serien.</translation>
    </message>
    <message>
        <source>The manual is %1; open it in a web browser.</source>
        <translation>Handboken är %1; öppna den i en webbläsare.</translation>
    </message>
    <message>
        <source>PC Program for KV150/KV170 Series</source>
        <translation>PC-program för KV150/KV170-serien</translation>
    </message>
    <message>
        <source>Read from Radio</source>
        <translation>Läs från radion</translation>
    </message>
    <message>
        <source>bad file!!</source>
        <translation>ogiltig fil!!</translation>
    </message>
    <message>
        <source>ModelType Error !!</source>
        <translation>Fel modelltyp !!</translation>
    </message>
    <message>
        <source>ProductType Error !!</source>
        <translation>Fel produkttyp !!</translation>
    </message>
    <message>
        <source>FileRead Error!!</source>
        <translation>Fel vid läsning av fil!!</translation>
    </message>
    <message>
        <source>FileSave Error!!</source>
        <translation>Fel vid sparande av fil!!</translation>
    </message>
    <message>
        <source>different model!!</source>
        <translation>annan modell!!</translation>
    </message>
    <message>
        <source>Program to Radio</source>
        <translation>Programmera radion</translation>
    </message>
    <message>
        <source>Model Check</source>
        <translation>Modellkontroll</translation>
    </message>
    <message>
        <source>port inicialize error!!</source>
        <translation>fel vid initiering av porten!!</translation>
    </message>
    <message>
        <source>Communication Error!!</source>
        <translation>Kommunikationsfel!!</translation>
    </message>
    <message>
        <source>ACMD Command error!!</source>
        <translation>Fel i ACMD-kommando!!</translation>
    </message>
    <message>
        <source>error!!</source>
        <translation>fel!!</translation>
    </message>
    <message>
        <source>cancel!!</source>
        <translation>avbrutet!!</translation>
    </message>
    <message>
        <source>time out!!</source>
        <translation>tidsgränsen överskreds!!</translation>
    </message>
    <message>
        <source>Radio is busy!!</source>
        <translation>Radion är upptagen!!</translation>
    </message>
    <message>
        <source>confirm the synchronization of the communication</source>
        <translation>bekräfta synkroniseringen av kommunikationen</translation>
    </message>
    <message>
        <source>address error!!</source>
        <translation>adressfel!!</translation>
    </message>
    <message>
        <source>data error!!</source>
        <translation>datafel!!</translation>
    </message>
    <message>
        <source>Radio not ready!!</source>
        <translation>Radion är inte redo!!</translation>
    </message>
    <message>
        <source>Complete!!</source>
        <translation>Klart!!</translation>
    </message>
    <message>
        <source>Product Error !!</source>
        <translation>Produktfel !!</translation>
    </message>
    <message>
        <source>Destination Error !!</source>
        <translation>Fel landsversion !!</translation>
    </message>
    <message>
        <source>The region selection is unmatched.</source>
        <translation>Den valda regionen stämmer inte.</translation>
    </message>
    <message>
        <source>Do you want to read the data?</source>
        <translation>Vill du läsa data?</translation>
    </message>
    <message>
        <source>Do you want to write the data?</source>
        <translation>Vill du skriva data?</translation>
    </message>
    <message>
        <source>(not exist)</source>
        <translation>(finns inte)</translation>
    </message>
    <message>
        <source>Data Error!!</source>
        <translation>Datafel!!</translation>
    </message>
    <message>
        <source>Please input correct data.</source>
        <translation>Ange giltiga data.</translation>
    </message>
    <message>
        <source>TWS data has changed.</source>
        <translation>TWS-data har ändrats.</translation>
    </message>
    <message>
        <source>Do you want to save changes?</source>
        <translation>Vill du spara ändringarna?</translation>
    </message>
    <message>
        <source>IniFileRead Error!!</source>
        <translation>Fel vid läsning av standarddata!!</translation>
    </message>
    <message>
        <source>[Up]/[Down]/[Left]/[Right]:Change of a Selection item.</source>
        <translation>[Upp]/[Ned]/[Vänster]/[Höger]: ändra val.</translation>
    </message>
    <message>
        <source>[Up]/[Down]:Change of a Selection item.</source>
        <translation>[Upp]/[Ned]: ändra val.</translation>
    </message>
    <message>
        <source>[Space]:An effective and invalid change.</source>
        <translation>[Mellanslag]: markera eller avmarkera.</translation>
    </message>
    <message>
        <source>[Double click],[Enter]:Jump the Setting screen.</source>
        <translation>[Dubbelklick],[Enter]: gå till inställningsskärmen.</translation>
    </message>
    <message>
        <source>Select[x]Enable/[]Disable.</source>
        <translation>Välj [x] aktiv / [ ] inaktiv.</translation>
    </message>
    <message>
        <source>Unable to display Help Contents. There is no Help associated with this project.</source>
        <translation>Hjälpen kan inte visas. Det finns ingen hjälp till det här programmet.</translation>
    </message>
    <message>
        <source>The help could not be opened: no web browser could be started.</source>
        <translation>Hjälpen kunde inte öppnas: ingen webbläsare kunde startas.</translation>
    </message>
    <message>
        <source>1.Connect the TWS cable between the PC serial port and the radio.</source>
        <translation>1. Anslut TWS-kabeln mellan datorns serieport och radion.</translation>
    </message>
    <message>
        <source>2.Turn on the radio.</source>
        <translation>2. Slå på radion.</translation>
    </message>
    <message>
        <source>3.Press the [OK] button to start.</source>
        <translation>3. Klicka på [OK] för att börja.</translation>
    </message>
    <message>
        <source>Messages now appear in the new language; the rest of the window follows when the program starts again.</source>
        <translation>Meddelanden visas nu på det nya språket; resten av fönstret följer när programmet startas igen.</translation>
    </message>
    <message>
        <source>a channel that does not transmit has no power to choose</source>
        <translation>en kanal som inte sänder har ingen effekt att välja</translation>
    </message>
    <message>
        <source>only an enabled EXP channel is offered in a marine group</source>
        <translation>endast en aktiv EXP-kanal erbjuds i en marin grupp</translation>
    </message>
    <message>
        <source>a channel needs a receive frequency</source>
        <translation>en kanal behöver en mottagningsfrekvens</translation>
    </message>
    <message>
        <source>this radio keeps no tones</source>
        <translation>den här radion sparar inga toner</translation>
    </message>
    <message>
        <source>this radio has no narrow channels</source>
        <translation>den här radion har inga smala kanaler</translation>
    </message>
    <message>
        <source>missing; the generic layout&apos;s rows need it</source>
        <translation>saknas; raderna i den generiska layouten behöver den</translation>
    </message>
    <message>
        <source>an enabled channel needs a receive frequency</source>
        <translation>en aktiv kanal behöver en mottagningsfrekvens</translation>
    </message>
    <message>
        <source>an enabled channel needs a channel number</source>
        <translation>en aktiv kanal behöver ett kanalnummer</translation>
    </message>
    <message>
        <source>wide is taken as narrow (NFM): a land-mobile channel in 150 - 174 MHz must be narrow</source>
        <translation>bred tas som smal (NFM): en landmobil kanal i 150 - 174 MHz måste vara smal</translation>
    </message>
    <message>
        <source>a land-mobile channel in 150 - 174 MHz must be narrow</source>
        <translation>en landmobil kanal i 150 - 174 MHz måste vara smal</translation>
    </message>
    <message>
        <source>the header row is missing</source>
        <translation>rubrikraden saknas</translation>
    </message>
    <message>
        <source>a marine list keeps at least one channel</source>
        <translation>en marin lista behåller minst en kanal</translation>
    </message>
    <message>
        <source>row 1: the header mixes &quot;,&quot; and &quot;;&quot; as separators</source>
        <translation>rad 1: rubrikraden blandar &quot;,&quot; och &quot;;&quot; som avgränsare</translation>
    </message>
    <message>
        <source>Select a channel list (RG, LMR or EXP) first.</source>
        <translation>Välj först en kanallista (RG, LMR eller EXP).</translation>
    </message>
    <message>
        <source>Select a channel list (USA, INTL, CANADA, Weather, RG, LMR or EXP) first.</source>
        <translation>Välj först en kanallista (USA, INTL, CANADA, Väder, RG, LMR eller EXP).</translation>
    </message>
    <message>
        <source>Import them?</source>
        <translation>Importera dem?</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Av</translation>
    </message>
    <message>
        <source>On</source>
        <translation>På</translation>
    </message>
    <message>
        <source>TX Po Display</source>
        <translation>Visning av sändeffekt</translation>
    </message>
    <message>
        <source>Lo Po Only</source>
        <translation>Endast låg effekt</translation>
    </message>
    <message>
        <source>Lo Po on Changing CH</source>
        <translation>Låg effekt vid kanalbyte</translation>
    </message>
    <message>
        <source>Last TX Po</source>
        <translation>Senaste sändeffekt</translation>
    </message>
    <message>
        <source>SCAN</source>
        <translation>Avsökning</translation>
    </message>
    <message>
        <source>Resume Time</source>
        <translation>Återupptagningstid</translation>
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
        <translation>PTT avbryter avsökning</translation>
    </message>
    <message>
        <source>Dual Watch</source>
        <translation>Dual watch</translation>
    </message>
    <message>
        <source>Offset Time</source>
        <translation>Tidsförskjutning</translation>
    </message>
    <message>
        <source>Magnetic Variation</source>
        <translation>Missvisning</translation>
    </message>
    <message>
        <source>True</source>
        <translation>Rättvisande</translation>
    </message>
    <message>
        <source>Mag</source>
        <translation>Magnetisk</translation>
    </message>
    <message>
        <source>Weather Alert</source>
        <translation>Väderlarm</translation>
    </message>
    <message>
        <source>Rotary Beep</source>
        <translation>Vredljud</translation>
    </message>
    <message>
        <source>LMR Channel</source>
        <translation>LMR-kanaler</translation>
    </message>
    <message>
        <source>EXP Channel</source>
        <translation>EXP-kanaler</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allmänt</translation>
    </message>
    <message>
        <source>Available CH Group Setup</source>
        <translation>Tillgängliga kanalgrupper</translation>
    </message>
    <message>
        <source>Common Setup</source>
        <translation>Allmänna inställningar</translation>
    </message>
    <message>
        <source>ATIS Setup</source>
        <translation>ATIS-inställningar</translation>
    </message>
    <message>
        <source>Programmable Channel</source>
        <translation>Programmerbara kanaler</translation>
    </message>
    <message>
        <source>Weather</source>
        <translation>Väder</translation>
    </message>
    <message>
        <source>RG Channel</source>
        <translation>RG-kanaler</translation>
    </message>
    <message>
        <source>Back up the radio before programming</source>
        <translation>Säkerhetskopiera radion före programmering</translation>
    </message>
    <message>
        <source>Verify after programming</source>
        <translation>Verifiera efter programmering</translation>
    </message>
    <message>
        <source>Not all of the file could be taken as it stands:</source>
        <translation>Inte allt i filen kunde tas som det står:</translation>
    </message>
    <message>
        <source>For what is missing the radio would get the default values or those loaded before.<byte value="xd"/>
Program the radio anyway?</source>
        <translation>För det som saknas skulle radion få standardvärdena eller de som lästes in tidigare.<byte value="xd"/>
Programmera radion ändå?</translation>
    </message>
    <message>
        <source>Do you want to replace it?</source>
        <translation>Vill du ersätta den?</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>väntar</translation>
    </message>
    <message>
        <source>waiting to be connected</source>
        <translation>väntar på att anslutas</translation>
    </message>
    <message>
        <source>programming</source>
        <translation>programmeras</translation>
    </message>
    <message>
        <source>programmed and verified</source>
        <translation>programmerad och verifierad</translation>
    </message>
    <message>
        <source>programmed</source>
        <translation>programmerad</translation>
    </message>
    <message>
        <source>partly written</source>
        <translation>delvis skriven</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>misslyckades</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>avbruten</translation>
    </message>
    <message>
        <source>skipped</source>
        <translation>hoppades över</translation>
    </message>
    <message>
        <source>not connected</source>
        <translation>inte ansluten</translation>
    </message>
    <message>
        <source>cancelled before it started</source>
        <translation>avbruten innan den började</translation>
    </message>
    <message>
        <source>no port was left to program it</source>
        <translation>ingen port fanns kvar att programmera den på</translation>
    </message>
    <message>
        <source>the radio already held this data: nothing written</source>
        <translation>radion innehöll redan dessa data: inget skrevs</translation>
    </message>
    <message>
        <source>connect it, then press Next</source>
        <translation>anslut den och tryck sedan på Nästa</translation>
    </message>
    <message>
        <source>Choose the programming every radio gets.</source>
        <translation>Välj den programmering som varje radio får.</translation>
    </message>
    <message>
        <source>Load the radios&apos; CSV.</source>
        <translation>Läs in radiornas CSV.</translation>
    </message>
    <message>
        <source>Tick the ports to program on.</source>
        <translation>Markera portarna att programmera på.</translation>
    </message>
    <message>
        <source>Program Fleet</source>
        <translation>Programmera flotta</translation>
    </message>
    <message>
        <source>the current data</source>
        <translation>aktuella data</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Nedladdning</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Spara</translation>
    </message>
    <message>
        <source>Restore from Backup</source>
        <translation>Återställ från säkerhetskopia</translation>
    </message>
    <message>
        <source>Waiting for the radio to confirm the cancel...</source>
        <translation>Väntar på att radion bekräftar avbrottet...</translation>
    </message>
    <message>
        <source>reading the radio into a backup</source>
        <translation>läser radion till en säkerhetskopia</translation>
    </message>
    <message>
        <source>reading the radio</source>
        <translation>läser radion</translation>
    </message>
    <message>
        <source>what the write changes</source>
        <translation>vad skrivningen ändrar</translation>
    </message>
    <message>
        <source>writing</source>
        <translation>skriver</translation>
    </message>
    <message>
        <source>reading back to verify</source>
        <translation>läser tillbaka för att verifiera</translation>
    </message>
    <message>
        <source>This write changes 1 setting:</source>
        <translation>Den här skrivningen ändrar 1 inställning:</translation>
    </message>
    <message>
        <source>No backup was read before programming.</source>
        <translation>Ingen säkerhetskopia lästes före programmeringen.</translation>
    </message>
    <message>
        <source>Program the radio without a backup?</source>
        <translation>Programmera radion utan säkerhetskopia?</translation>
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
        <translation>omvänd duplex</translation>
    </message>
    <message>
        <source>&amp;KV170 Series</source>
        <translation>&amp;KV170-serien</translation>
    </message>
    <message>
        <source>&amp;KV170X Series</source>
        <translation>KV170&amp;X-serien</translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation>Skrivaren kunde inte startas.</translation>
    </message>
    <message>
        <source>The printer refused a new page.</source>
        <translation>Skrivaren vägrade en ny sida.</translation>
    </message>
    <message>
        <source>The printer could not finish the document.</source>
        <translation>Skrivaren kunde inte slutföra dokumentet.</translation>
    </message>
    <message>
        <source>FCC Rule Caution!</source>
        <translation>Obs: FCC-regel!</translation>
    </message>
    <message>
        <source>Your Data includes some Wide bandwidth CHs in 150 - 174 MHz band.<byte value="xd"/>
After Jan.1, 2013, You must change their CHs to Narrow bandwidth.</source>
        <translation>Dina data innehåller kanaler med bred bandbredd i bandet 150 - 174 MHz.<byte value="xd"/>
Sedan 1 januari 2013 måste du ändra dessa kanaler till smal bandbredd.</translation>
    </message>
    <message>
        <source>Do you change their CHs to Narrow bandwidth automatically, and start Do you start downloading them?<byte value="xd"/>
    Yes : It will be change the bandwidth into Narrow and start downloading.<byte value="xd"/>
    No : It will start downloading (w/o changing the bandwidth)</source>
        <translation>Ändra dessa kanaler till smal bandbredd automatiskt och starta överföringen?<byte value="xd"/>
    Ja: bandbredden ändras till smal och överföringen startar.<byte value="xd"/>
    Nej: överföringen startar (utan att bandbredden ändras)</translation>
    </message>
    <message>
        <source>Your Data was changed Wide CHs to Narrow, and Do you start downloading them?</source>
        <translation>I dina data har breda kanaler ändrats till smala. Starta överföringen?</translation>
    </message>
    <message>
        <source>After Jan.1, 2013, You must change some Wide CHs to Narrow in the 150 - 174 MHz band.</source>
        <translation>Sedan 1 januari 2013 måste du ändra breda kanaler i bandet 150 - 174 MHz till smala.</translation>
    </message>
    <message>
        <source>Your Data was changed Wide CHs to Narrow.</source>
        <translation>I dina data har breda kanaler ändrats till smala.</translation>
    </message>
    <message>
        <source>Do yo want to program the %1 series?</source>
        <translation>Vill du programmera %1-serien?</translation>
    </message>
    <message>
        <source>Do yo want to change to %1?</source>
        <translation>Vill du byta till %1?</translation>
    </message>
    <message>
        <source>The data in the window are replaced with the default data of %1.</source>
        <translation>Data i fönstret ersätts med standarddata för %1.</translation>
    </message>
    <message>
        <source>The default data of %1 could not be read from %2. Install the program again, or choose another entry of the Region menu.</source>
        <translation>Standarddata för %1 kunde inte läsas från %2. Installera programmet igen, eller välj en annan post i menyn Region.</translation>
    </message>
    <message>
        <source>Too many entries</source>
        <translation>För många poster</translation>
    </message>
    <message>
        <source>The %1 list holds at most %2 channels. Delete a channel before adding another.</source>
        <translation>Listan %1 rymmer högst %2 kanaler. Ta bort en kanal innan du lägger till en ny.</translation>
    </message>
    <message>
        <source>%1 is write-protected.</source>
        <translation>%1 är skrivskyddad.</translation>
    </message>
    <message>
        <source>%1 was incomplete when it was loaded:</source>
        <translation>%1 var ofullständig när den lästes in:</translation>
    </message>
    <message>
        <source>Check that the printer is switched on, connected and ready, then print again; File &gt; Export PDF... saves the pages to print later.</source>
        <translation>Kontrollera att skrivaren är påslagen, ansluten och redo, och skriv sedan ut igen; Arkiv &gt; Exportera PDF... sparar sidorna för utskrift senare.</translation>
    </message>
    <message>
        <source>Check that the folder exists, that you may write to it and that the disk has room, or save under another name.</source>
        <translation>Kontrollera att mappen finns, att du får skriva i den och att disken har plats, eller spara under ett annat namn.</translation>
    </message>
    <message>
        <source>The read could not be kept in the backups folder: %1</source>
        <translation>Läsningen kunde inte sparas i mappen för säkerhetskopior: %1</translation>
    </message>
    <message>
        <source>The read itself is complete. Check that you may write to the backups folder and that the disk has room.</source>
        <translation>Själva läsningen är klar. Kontrollera att du får skriva i mappen för säkerhetskopior och att disken har plats.</translation>
    </message>
    <message>
        <source>Choose another backup, or read the radio again.</source>
        <translation>Välj en annan säkerhetskopia, eller läs radion igen.</translation>
    </message>
    <message>
        <source>The backup could not be saved: %1</source>
        <translation>Säkerhetskopian kunde inte sparas: %1</translation>
    </message>
    <message>
        <source>Choose a settings file (.dat) or an image file (.hex) of a KV150 or KV170 series radio that you may read.</source>
        <translation>Välj en inställningsfil (.dat) eller en avbildsfil (.hex) för en radio i KV150- eller KV170-serien som du får läsa.</translation>
    </message>
    <message>
        <source>Choose the radios&apos; CSV file again: check its name and that you may read it.</source>
        <translation>Välj radiornas CSV-fil igen: kontrollera dess namn och att du får läsa den.</translation>
    </message>
    <message>
        <source>CH %1: %2.</source>
        <translation>Kanal %1: %2.</translation>
    </message>
    <message>
        <source>channel %1 receives only, kept %2</source>
        <translation>kanal %1 är endast mottagning, förblir %2</translation>
    </message>
    <message>
        <source>%1, the port chosen before, is not present: no port is chosen (Options &gt; SerialPort).</source>
        <translation>%1, porten som valdes tidigare, finns inte: ingen port är vald (Alternativ &gt; Serieport).</translation>
    </message>
    <message>
        <source>Testing the cable on %1: waiting for its echo...</source>
        <translation>Testar kabeln på %1: väntar på ekot...</translation>
    </message>
    <message>
        <source>Waiting for the radio on %1 to answer...</source>
        <translation>Väntar på att radion på %1 svarar...</translation>
    </message>
    <message>
        <source>Connect radio &apos;%1&apos; to %2, then press Next.</source>
        <translation>Anslut radio &apos;%1&apos; till %2 och tryck sedan på Nästa.</translation>
    </message>
    <message>
        <source>Step %1 of %2: %3</source>
        <translation>Steg %1 av %2: %3</translation>
    </message>
    <message>
        <source>This write changes %1 settings:</source>
        <translation>Den här skrivningen ändrar %1 inställningar:</translation>
    </message>
    <message>
        <source>Verify failed: the radio holds %1 byte(s) other than those written:%2</source>
        <translation>Verifieringen misslyckades: radion innehåller %1 byte som skiljer sig från det som skrevs:%2</translation>
    </message>
    <message>
        <source>Settings concerned:%1</source>
        <translation>Berörda inställningar:%1</translation>
    </message>
    <message>
        <source>The backup read before programming can be restored to put the radio back as it was: %1 (File &gt; Restore from Backup, then Program to Radio; or kvtool program %1 --port PORT).</source>
        <translation>Säkerhetskopian som lästes före programmeringen kan återställas för att sätta tillbaka radion som den var: %1 (Arkiv &gt; Återställ från säkerhetskopia, sedan Programmera radion; eller kvtool program %1 --port PORT).</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>... och %1 till</translation>
    </message>
    <message>
        <source>%1[Enable]</source>
        <translation>%1[Aktiv]</translation>
    </message>
    <message>
        <source>Nothing was imported from %1.</source>
        <translation>Ingenting importerades från %1.</translation>
    </message>
    <message>
        <source>Correct what is listed in the file, then import it again.</source>
        <translation>Rätta det som listas i filen och importera den sedan igen.</translation>
    </message>
    <message>
        <source>Nothing was pasted.</source>
        <translation>Ingenting klistrades in.</translation>
    </message>
    <message>
        <source>Correct what is listed where the rows were copied, then copy and paste them again.</source>
        <translation>Rätta det som listas där raderna kopierades, och kopiera och klistra in dem igen.</translation>
    </message>
    <message>
        <source>%1 %2 rows pasted.</source>
        <translation>%1 %2-rader inklistrade.</translation>
    </message>
    <message>
        <source>%1 %2 channel exported to %3.</source>
        <translation>%1 %2-kanal exporterad till %3.</translation>
    </message>
    <message>
        <source>%1 %2 channels exported to %3.</source>
        <translation>%1 %2-kanaler exporterade till %3.</translation>
    </message>
    <message>
        <source>%1 %2 channel imported from %3.</source>
        <translation>%1 %2-kanal importerad från %3.</translation>
    </message>
    <message>
        <source>%1 %2 channels imported from %3.</source>
        <translation>%1 %2-kanaler importerade från %3.</translation>
    </message>
    <message>
        <source>%1 %2 channel from %3 is taken with these changes:</source>
        <translation>%1 %2-kanal från %3 tas med dessa ändringar:</translation>
    </message>
    <message>
        <source>%1 %2 channels from %3 are taken with these changes:</source>
        <translation>%1 %2-kanaler från %3 tas med dessa ändringar:</translation>
    </message>
    <message>
        <source>row %1, column %2: %3</source>
        <translation>rad %1, kolumn %2: %3</translation>
    </message>
    <message>
        <source>row %1: a quoted cell is not closed</source>
        <translation>rad %1: en cell inom citattecken är inte avslutad</translation>
    </message>
    <message>
        <source>larger than %1 KB; not a channel list</source>
        <translation>större än %1 KB; ingen kanallista</translation>
    </message>
    <message>
        <source>not a UTF-8 text (byte %1)</source>
        <translation>ingen UTF-8-text (byte %1)</translation>
    </message>
    <message>
        <source>row %1 is longer than %2 bytes; not a channel list</source>
        <translation>rad %1 är längre än %2 byte; ingen kanallista</translation>
    </message>
    <message>
        <source>Too many entries (the list holds %1 channels)</source>
        <translation>För många poster (listan rymmer %1 kanaler)</translation>
    </message>
    <message>
        <source>%1 is neither &quot;&quot; (scanned) nor &quot;S&quot; (skipped)</source>
        <translation>%1 är varken &quot;&quot; (avsöks) eller &quot;S&quot; (hoppas över)</translation>
    </message>
    <message>
        <source>%1 is neither a scrambler code 0 to 3 nor &quot;--&quot;</source>
        <translation>%1 är varken en scramblerkod 0 till 3 eller &quot;--&quot;</translation>
    </message>
    <message>
        <source>%1 is neither %2 nor %3</source>
        <translation>%1 är varken %2 eller %3</translation>
    </message>
    <message>
        <source>%1 is none of &quot;TX SIMP&quot;, &quot;RX SIMP&quot;, &quot;DUP&quot;, &quot;Reverse DUP&quot;</source>
        <translation>%1 är inget av &quot;TX SIMP&quot;, &quot;RX SIMP&quot;, &quot;DUP&quot;, &quot;Reverse DUP&quot;</translation>
    </message>
    <message>
        <source>longer than %1 characters</source>
        <translation>längre än %1 tecken</translation>
    </message>
    <message>
        <source>%1 holds a character a channel name cannot (letters, digits, - / , _ . and space)</source>
        <translation>%1 innehåller ett tecken som ett kanalnamn inte kan ha (bokstäver, siffror, - / , _ . och mellanslag)</translation>
    </message>
    <message>
        <source>%1 is longer than the display&apos;s four characters</source>
        <translation>%1 är längre än displayens fyra tecken</translation>
    </message>
    <message>
        <source>%1 holds a character the display cannot show</source>
        <translation>%1 innehåller ett tecken som displayen inte kan visa</translation>
    </message>
    <message>
        <source>%1 is not a frequency in MHz</source>
        <translation>%1 är ingen frekvens i MHz</translation>
    </message>
    <message>
        <source>%1 has more than four decimals (100 Hz)</source>
        <translation>%1 har fler än fyra decimaler (100 Hz)</translation>
    </message>
    <message>
        <source>%1 is finer than the radio&apos;s steps of 100 Hz</source>
        <translation>%1 är finare än radions steg om 100 Hz</translation>
    </message>
    <message>
        <source>the transmit frequency %1 MHz (Duplex %2) is outside %3 - %4 MHz, in steps of 25 kHz</source>
        <translation>sändningsfrekvensen %1 MHz (Duplex %2) ligger utanför %3 - %4 MHz, i steg om 25 kHz</translation>
    </message>
    <message>
        <source>the transmit frequency %1 MHz (Duplex %2) is outside %3 - %4 MHz</source>
        <translation>sändningsfrekvensen %1 MHz (Duplex %2) ligger utanför %3 - %4 MHz</translation>
    </message>
    <message>
        <source>%1 is outside %2 - %3 MHz, in steps of 25 kHz</source>
        <translation>%1 ligger utanför %2 - %3 MHz, i steg om 25 kHz</translation>
    </message>
    <message>
        <source>%1 is outside %2 - %3 MHz</source>
        <translation>%1 ligger utanför %2 - %3 MHz</translation>
    </message>
    <message>
        <source>%1 is no CTCSS tone (67.0Hz ... 254.1Hz) or DCS code (023N ... 754I)</source>
        <translation>%1 är ingen CTCSS-ton (67.0Hz ... 254.1Hz) eller DCS-kod (023N ... 754I)</translation>
    </message>
    <message>
        <source>%1 is not the transmit frequency of channel %2 (%3): a marine channel&apos;s frequencies follow its channel number</source>
        <translation>%1 är inte sändningsfrekvensen för kanal %2 (%3): en marin kanals frekvenser följer av dess kanalnummer</translation>
    </message>
    <message>
        <source>%1 is not the receive frequency of channel %2 (%3): a marine channel&apos;s frequencies follow its channel number</source>
        <translation>%1 är inte mottagningsfrekvensen för kanal %2 (%3): en marin kanals frekvenser följer av dess kanalnummer</translation>
    </message>
    <message>
        <source>%1 is left out: this radio keeps no names</source>
        <translation>%1 utelämnas: den här radion sparar inga namn</translation>
    </message>
    <message>
        <source>%1 is shortened to %2</source>
        <translation>%1 kortas till %2</translation>
    </message>
    <message>
        <source>%1 is none of &quot;&quot;, &quot;+&quot;, &quot;-&quot;, &quot;split&quot;, &quot;off&quot;</source>
        <translation>%1 är inget av &quot;&quot;, &quot;+&quot;, &quot;-&quot;, &quot;split&quot;, &quot;off&quot;</translation>
    </message>
    <message>
        <source>%1 is no CTCSS tone of the radio (67.0 to 254.1 Hz)</source>
        <translation>%1 är ingen CTCSS-ton för radion (67.0 till 254.1 Hz)</translation>
    </message>
    <message>
        <source>%1 is no DCS code of the radio (023 to 754)</source>
        <translation>%1 är ingen DCS-kod för radion (023 till 754)</translation>
    </message>
    <message>
        <source>%1 is no polarity (N or R for transmit, then for receive)</source>
        <translation>%1 är ingen polaritet (N eller R för sändning, sedan för mottagning)</translation>
    </message>
    <message>
        <source>%1 is no cross mode (Tone, DTCS or nothing on either side of -&gt;)</source>
        <translation>%1 är inget korsläge (Tone, DTCS eller ingenting på vardera sidan av -&gt;)</translation>
    </message>
    <message>
        <source>%1 is none of &quot;&quot;, &quot;Tone&quot;, &quot;TSQL&quot;, &quot;DTCS&quot;, &quot;Cross&quot;</source>
        <translation>%1 är inget av &quot;&quot;, &quot;Tone&quot;, &quot;TSQL&quot;, &quot;DTCS&quot;, &quot;Cross&quot;</translation>
    </message>
    <message>
        <source>%1 does not fit these radios (FM or NFM)</source>
        <translation>%1 passar inte dessa radioapparater (FM eller NFM)</translation>
    </message>
    <message>
        <source>%1 is no power level (High, Low or watts such as 5.0W)</source>
        <translation>%1 är ingen effektnivå (High, Low eller watt som 5.0W)</translation>
    </message>
    <message>
        <source>%1 is left out: the radio keeps no comments</source>
        <translation>%1 utelämnas: radion sparar inga kommentarer</translation>
    </message>
    <message>
        <source>%1 is no column of the %2 list</source>
        <translation>%1 är ingen kolumn i listan %2</translation>
    </message>
    <message>
        <source>%1 expected, the row ends</source>
        <translation>%1 väntades, raden tar slut</translation>
    </message>
    <message>
        <source>%1 expected, found %2</source>
        <translation>%1 väntades, %2 hittades</translation>
    </message>
    <message>
        <source>%1 is no column of the generic layout</source>
        <translation>%1 är ingen kolumn i den generiska layouten</translation>
    </message>
    <message>
        <source>%1 is in column %2 already</source>
        <translation>%1 finns redan i kolumn %2</translation>
    </message>
    <message>
        <source>the generic layout holds RG, LMR and EXP channels, not %1 ones</source>
        <translation>den generiska layouten innehåller RG-, LMR- och EXP-kanaler, inte %1-kanaler</translation>
    </message>
    <message>
        <source>the row is separated by &quot;%1&quot;, the header by &quot;%2&quot;</source>
        <translation>raden avgränsas av &quot;%1&quot;, rubrikraden av &quot;%2&quot;</translation>
    </message>
    <message>
        <source>missing; the row has %1 cells, the list %2</source>
        <translation>saknas; raden har %1 celler, listan %2</translation>
    </message>
    <message>
        <source>the %1 list has %2 columns</source>
        <translation>listan %1 har %2 kolumner</translation>
    </message>
    <message>
        <source>%1 is kept as %2</source>
        <translation>%1 sparas som %2</translation>
    </message>
    <message>
        <source>the radio would not keep %1 (it would hold %2)</source>
        <translation>radion skulle inte spara %1 (den skulle innehålla %2)</translation>
    </message>
    <message>
        <source>%1 is no marine channel (00 to 119, or 1000 to 1099 and 2000 to 2099, and A or B after it)</source>
        <translation>%1 är ingen marin kanal (00 till 119, eller 1000 till 1099 och 2000 till 2099, och A eller B efter)</translation>
    </message>
    <message>
        <source>the header names no column of the %1 list (%2, %3, ...) nor of the generic layout (Location, Name, Frequency, ...)</source>
        <translation>rubrikraden nämner ingen kolumn i listan %1 (%2, %3, ...) och inte heller i den generiska layouten (Location, Name, Frequency, ...)</translation>
    </message>
    <message>
        <source>%1 is no channel of the %2 list (1 to %3)</source>
        <translation>%1 är ingen kanal i listan %2 (1 till %3)</translation>
    </message>
    <message>
        <source>channel %1 is in row %2 already</source>
        <translation>kanal %1 finns redan på rad %2</translation>
    </message>
    <message>
        <source>The %1 priority named no channel of the list before: it becomes Off.</source>
        <translation>Prioriteten för %1 angav tidigare ingen kanal i listan: den blir Av.</translation>
    </message>
    <message>
        <source>The %1 priority channel %2 is not in the imported list: the priority becomes Off.</source>
        <translation>Prioritetskanalen %2 för %1 finns inte i den importerade listan: prioriteten blir Av.</translation>
    </message>
    <message>
        <source>Write every block</source>
        <translation>Skriv varje block</translation>
    </message>
    <message>
        <source>The radio&apos;s memory gives receive-only channels another mode; the data keep them receive-only:</source>
        <translation>Radions minne ger kanaler som endast är mottagning ett annat läge; data behåller dem som endast mottagning:</translation>
    </message>
    <message>
        <source>Program the radio to put it right.</source>
        <translation>Programmera radion för att rätta det.</translation>
    </message>
    <message>
        <source>The radio no longer holds what it held when it was read: another radio, or its memory changed. Nothing was written. Program again to read it afresh.</source>
        <translation>Radion innehåller inte längre det den innehöll när den lästes: en annan radio, eller så har dess minne ändrats. Ingenting skrevs. Programmera igen för att läsa den på nytt.</translation>
    </message>
    <message>
        <source>[%1] %2=%3: %4</source>
        <translation>[%1] %2=%3: %4</translation>
    </message>
    <message>
        <source>reading the radio into a backup: %1 blocks</source>
        <translation>läser radion till en säkerhetskopia: %1 block</translation>
    </message>
    <message>
        <source>reading the radio: %1 blocks</source>
        <translation>läser radion: %1 block</translation>
    </message>
    <message>
        <source>writing %1 of %2 blocks</source>
        <translation>skriver %1 av %2 block</translation>
    </message>
    <message>
        <source>reading back %1 blocks to verify</source>
        <translation>läser tillbaka %1 block för att verifiera</translation>
    </message>
    <message>
        <source>%1, %2 left</source>
        <translation>%1, %2 kvar</translation>
    </message>
    <message>
        <source>CH %1 was the %2 priority channel: the priority is now Off.</source>
        <translation>Kanal %1 var prioritetskanalen för %2: prioriteten är nu Av.</translation>
    </message>
    <message>
        <source>Choose another priority channel under Available CH Group, or undo the delete (Edit &gt; Undo).</source>
        <translation>Välj en annan prioritetskanal under Tillgängliga kanalgrupper, eller ångra borttagningen (Redigera &gt; Ångra).</translation>
    </message>
    <message>
        <source>Every block was sent to the radio, but the transfer broke off: the radio may not hold the last one.</source>
        <translation>Alla block skickades till radion, men överföringen avbröts: radion kanske inte innehåller det sista.</translation>
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
        <translation>Baskanal</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Namn</translation>
    </message>
    <message>
        <source>CH Number</source>
        <translation>Kanalnummer</translation>
    </message>
    <message>
        <source>RX Frequency</source>
        <translation>Mottagningsfrekvens</translation>
    </message>
    <message>
        <source>TX Frequency</source>
        <translation>Sändningsfrekvens</translation>
    </message>
    <message>
        <source>TX Power</source>
        <translation>Sändeffekt</translation>
    </message>
    <message>
        <source>Low Power Only</source>
        <translation>Endast låg effekt</translation>
    </message>
    <message>
        <source>Power Up</source>
        <translation>Höj effekt</translation>
    </message>
    <message>
        <source>Scan Memory</source>
        <translation>Avsökningsminne</translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <translation>Bandbredd</translation>
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
        <translation>Statusnr</translation>
    </message>
    <message>
        <source>Status Icon</source>
        <translation>Statusikon</translation>
    </message>
    <message>
        <source>Usable</source>
        <translation>Tillgänglig</translation>
    </message>
    <message>
        <source>Priority CH</source>
        <translation>Prioritetskanal</translation>
    </message>
    <message>
        <source>Status Name</source>
        <translation>Statusnamn</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Säkerhetskopia</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Visning</translation>
    </message>
    <message>
        <source>%1 channel %2</source>
        <translation>%1-kanal %2</translation>
    </message>
    <message>
        <source>Common Setup</source>
        <translation>Allmänna inställningar</translation>
    </message>
    <message>
        <source>DSC Basic Setup</source>
        <translation>DSC-grundinställningar</translation>
    </message>
    <message>
        <source>DSC Advanced Setup</source>
        <translation>Avancerade DSC-inställningar</translation>
    </message>
    <message>
        <source>DSC Display Setup</source>
        <translation>DSC-visningsinställningar</translation>
    </message>
    <message>
        <source>Usable ATIS CH Group</source>
        <translation>Användbar ATIS-kanalgrupp</translation>
    </message>
    <message>
        <source>Usable ATIS Killer CH Group</source>
        <translation>Användbar ATIS-killer-kanalgrupp</translation>
    </message>
    <message>
        <source>ATIS Code</source>
        <translation>ATIS-kod</translation>
    </message>
    <message>
        <source>ATIS Call Sign %1</source>
        <translation>ATIS-anropssignal %1</translation>
    </message>
    <message>
        <source>WX channel %1</source>
        <translation>WX-kanal %1</translation>
    </message>
    <message>
        <source>RG channel %1</source>
        <translation>RG-kanal %1</translation>
    </message>
    <message>
        <source>Individual Directory entry %1</source>
        <translation>Post %1 i individuell katalog</translation>
    </message>
    <message>
        <source>Group Directory entry %1</source>
        <translation>Post %1 i gruppkatalog</translation>
    </message>
    <message>
        <source>settings</source>
        <translation>inställningar</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 för %2</translation>
    </message>
    <message>
        <source>Add %1</source>
        <translation>Lägg till %1</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>Ta bort %1</translation>
    </message>
</context>
<context>
    <name>kv::AboutDialog</name>
    <message>
        <source>About %1</source>
        <translation>Om %1</translation>
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
        <translation>ATIS-inställningar</translation>
    </message>
    <message>
        <source>Call Sign</source>
        <translation>Anropssignal</translation>
    </message>
    <message>
        <source>Usable ATIS CH Group</source>
        <translation>Användbar ATIS-kanalgrupp</translation>
    </message>
    <message>
        <source>Usable ATIS Killer CH Group</source>
        <translation>Användbar ATIS-killer-kanalgrupp</translation>
    </message>
    <message>
        <source>ATIS Code</source>
        <translation>ATIS-kod</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>Nr</translation>
    </message>
    <message>
        <source>MID</source>
        <translation>MID</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Visning</translation>
    </message>
    <message>
        <source>MID %1</source>
        <translation>MID %1</translation>
    </message>
    <message>
        <source>Display %1</source>
        <translation>Visning %1</translation>
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
        <translation>Endast låg effekt</translation>
    </message>
    <message>
        <source>Power Up</source>
        <translation>Höj effekt</translation>
    </message>
    <message>
        <source>Scan Memory</source>
        <translation>Avsökningsminne</translation>
    </message>
    <message>
        <source>Compander</source>
        <translation>Kompander</translation>
    </message>
    <message>
        <source>Wide</source>
        <translation>Bred</translation>
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
        <translation>Kanalvisning</translation>
    </message>
    <message>
        <source>CH Name</source>
        <translation>Kanalnamn</translation>
    </message>
    <message>
        <source>CH Group</source>
        <translation>Kanalgrupp</translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <translation>Bandbredd</translation>
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
        <translation>Kanalvisning vänster</translation>
    </message>
    <message>
        <source>CH Display right</source>
        <translation>Kanalvisning höger</translation>
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
        <translation>RG-kanal %1</translation>
    </message>
    <message>
        <source>%1 Channel %2</source>
        <translation>%1-kanal %2</translation>
    </message>
</context>
<context>
    <name>kv::ChannelListScreen</name>
    <message>
        <source>RG Channel</source>
        <translation>RG-kanaler</translation>
    </message>
    <message>
        <source>%1 Channel</source>
        <translation>%1-kanaler</translation>
    </message>
</context>
<context>
    <name>kv::ChannelScreen</name>
    <message>
        <source>Paste %1 channels</source>
        <translation>Klistra in %1-kanaler</translation>
    </message>
</context>
<context>
    <name>kv::CommonSetupScreen</name>
    <message>
        <source>Common Setup</source>
        <translation>Allmänna inställningar</translation>
    </message>
</context>
<context>
    <name>kv::DevicePortSource</name>
    <message>
        <source>Simulated radio</source>
        <translation>Simulerad radio</translation>
    </message>
</context>
<context>
    <name>kv::DialogBackupChooser</name>
    <message>
        <source>Restore from Backup</source>
        <translation>Återställ från säkerhetskopia</translation>
    </message>
    <message>
        <source>No backups yet: every read of a radio is kept here.</source>
        <translation>Inga säkerhetskopior ännu: varje läsning av en radio sparas här.</translation>
    </message>
    <message>
        <source>Every read of a radio is kept here, newest first:</source>
        <translation>Varje läsning av en radio sparas här, den senaste först:</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Återställ</translation>
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
        <translation>Aktuella data</translation>
    </message>
    <message>
        <source>A file:</source>
        <translation>En fil:</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Välj...</translation>
    </message>
    <message>
        <source>Radios</source>
        <translation>Radioapparater</translation>
    </message>
    <message>
        <source>No CSV loaded</source>
        <translation>Ingen CSV inläst</translation>
    </message>
    <message>
        <source>Load CSV...</source>
        <translation>Läs in CSV...</translation>
    </message>
    <message>
        <source>Ports</source>
        <translation>Portar</translation>
    </message>
    <message>
        <source>Back up each radio before programming</source>
        <translation>Säkerhetskopiera varje radio före programmering</translation>
    </message>
    <message>
        <source>Verify after programming</source>
        <translation>Verifiera efter programmering</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Etikett</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Läge</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Förlopp</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultat</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Starta</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Nästa</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Save Log...</source>
        <translation>Spara logg...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Stäng</translation>
    </message>
    <message>
        <source>No serial port found</source>
        <translation>Ingen serieport hittades</translation>
    </message>
    <message>
        <source>dat files(*.dat)|*.dat|hex files(*.hex)|*.hex|All files(*.*)|*.*</source>
        <translation>dat-filer(*.dat)|*.dat|hex-filer(*.hex)|*.hex|Alla filer(*.*)|*.*</translation>
    </message>
    <message>
        <source>csv files(*.csv)|*.csv|All files(*.*)|*.*</source>
        <translation>csv-filer(*.csv)|*.csv|Alla filer(*.*)|*.*</translation>
    </message>
    <message>
        <source>Programming: %1.</source>
        <translation>Programmering: %1.</translation>
    </message>
    <message>
        <source>Programming...</source>
        <translation>Programmerar...</translation>
    </message>
    <message>
        <source>csv files(*.csv)|*.csv</source>
        <translation>csv-filer(*.csv)|*.csv</translation>
    </message>
</context>
<context>
    <name>kv::MainWindow</name>
    <message>
        <source>&amp;Language</source>
        <translation>S&amp;pråk</translation>
    </message>
    <message>
        <source>System language</source>
        <translation>Systemets språk</translation>
    </message>
    <message>
        <source>dat files(*.dat)|*.dat|All files(*.*)|*.*</source>
        <translation>dat-filer(*.dat)|*.dat|Alla filer(*.*)|*.*</translation>
    </message>
    <message>
        <source>PDF files(*.pdf)|*.pdf|All files(*.*)|*.*</source>
        <translation>PDF-filer(*.pdf)|*.pdf|Alla filer(*.*)|*.*</translation>
    </message>
    <message>
        <source>csv files(*.csv)|*.csv|All files(*.*)|*.*</source>
        <translation>csv-filer(*.csv)|*.csv|Alla filer(*.*)|*.*</translation>
    </message>
    <message>
        <source>Narrow bandwidth</source>
        <translation>Smal bandbredd</translation>
    </message>
    <message>
        <source>hex files(*.hex)|*.hex|All files(*.*)|*.*</source>
        <translation>hex-filer(*.hex)|*.hex|Alla filer(*.*)|*.*</translation>
    </message>
    <message>
        <source>Screens</source>
        <translation>Skärmar</translation>
    </message>
    <message>
        <source>Programmable Channel

Choose a channel list below this entry of the tree: the marine groups switched on in Available CH Group Setup, Weather (on models that have it) and RG Channel.</source>
        <translation>Programmerbara kanaler

Välj en kanallista under den här posten i trädet: de marina grupper som är påslagna i Tillgängliga kanalgrupper, Väder (på modeller som har det) och RG-kanaler.</translation>
    </message>
    <message>
        <source>Import %1 channels</source>
        <translation>Importera %1-kanaler</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arkiv</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Ny</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Öppna</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Spara</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Spara s&amp;om...</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>Skriv &amp;ut</translation>
    </message>
    <message>
        <source>Export PDF...</source>
        <translation>Exportera PDF...</translation>
    </message>
    <message>
        <source>P&amp;rint to File</source>
        <translation>Skriv ut till &amp;fil</translation>
    </message>
    <message>
        <source>Restore from &amp;Backup...</source>
        <translation>Återställ från säkerhets&amp;kopia...</translation>
    </message>
    <message>
        <source>Recent &amp;Files</source>
        <translation>S&amp;enaste filer</translation>
    </message>
    <message>
        <source>Export Channels (CSV)...</source>
        <translation>Exportera kanaler (CSV)...</translation>
    </message>
    <message>
        <source>Export Channels (Generic CSV)...</source>
        <translation>Exportera kanaler (generisk CSV)...</translation>
    </message>
    <message>
        <source>Import Channels (CSV)...</source>
        <translation>Importera kanaler (CSV)...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>A&amp;vsluta</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Redigera</translation>
    </message>
    <message>
        <source>&amp;Model</source>
        <translation>&amp;Modell</translation>
    </message>
    <message>
        <source>&amp;Transfer</source>
        <translation>&amp;Överföring</translation>
    </message>
    <message>
        <source>&amp;Program to Radio</source>
        <translation>&amp;Programmera radion</translation>
    </message>
    <message>
        <source>&amp;Read from Radio</source>
        <translation>&amp;Läs från radion</translation>
    </message>
    <message>
        <source>Program &amp;Fleet...</source>
        <translation>Programmera &amp;flotta...</translation>
    </message>
    <message>
        <source>&amp;Region</source>
        <translation>Re&amp;gion</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>A&amp;lternativ</translation>
    </message>
    <message>
        <source>&amp;SerialPort</source>
        <translation>&amp;Serieport</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hjälp</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Innehåll</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Om</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Verktygsfält</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Ny</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öppna</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Spara</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Skriv ut</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programmera</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Läs</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hjälp</translation>
    </message>
</context>
<context>
    <name>kv::MarineGridScreen</name>
    <message>
        <source>Add</source>
        <translation>Lägg till</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Redigera</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Ta bort</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Kanal</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ingen</translation>
    </message>
    <message>
        <source>Base CH</source>
        <translation>Baskanal</translation>
    </message>
    <message>
        <source>TX Power</source>
        <translation>Sändeffekt</translation>
    </message>
    <message>
        <source>Power Up</source>
        <translation>Höj effekt</translation>
    </message>
    <message>
        <source>Status No.</source>
        <translation>Statusnr</translation>
    </message>
    <message>
        <source>Status Icon</source>
        <translation>Statusikon</translation>
    </message>
    <message>
        <source>CH Name</source>
        <translation>Kanalnamn</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Spara</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>%1 Channel</source>
        <translation>%1-kanaler</translation>
    </message>
    <message>
        <source>Delete %1 channels</source>
        <translation>Ta bort %1-kanaler</translation>
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
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nej</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Försök igen</translation>
    </message>
</context>
<context>
    <name>kv::ReportPreview</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arkiv</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Spara</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>A&amp;vsluta</translation>
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
        <translation>Rapporten skapas. Vänta...</translation>
    </message>
    <message>
        <source>Text files(*.txt)|*.txt|All files(*.*)|*.*</source>
        <translation>Textfiler(*.txt)|*.txt|Alla filer(*.*)|*.*</translation>
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
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hjälp</translation>
    </message>
</context>
<context>
    <name>kv::UndoHistory</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Ångra</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Gör om</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Ångra: %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Gör om: %1</translation>
    </message>
</context>
<context>
    <name>kv::UsableScreen</name>
    <message>
        <source>Available CH Group Setup</source>
        <translation>Tillgängliga kanalgrupper</translation>
    </message>
    <message>
        <source>Usable</source>
        <translation>Tillgänglig</translation>
    </message>
    <message>
        <source>Priority CH</source>
        <translation>Prioritetskanal</translation>
    </message>
    <message>
        <source>TX TOT</source>
        <translation>TX TOT</translation>
    </message>
    <message>
        <source>Status Icon</source>
        <translation>Statusikon</translation>
    </message>
    <message>
        <source>Status Name</source>
        <translation>Statusnamn</translation>
    </message>
    <message>
        <source>EXP CH Usable</source>
        <translation>EXP-kanaler tillgängliga</translation>
    </message>
</context>
<context>
    <name>kv::WeatherScreen</name>
    <message>
        <source>Weather Channel</source>
        <translation>Väderkanaler</translation>
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
        <translation>Avsökning</translation>
    </message>
    <message>
        <source>CH Name</source>
        <translation>Kanalnamn</translation>
    </message>
    <message>
        <source>Enable %1</source>
        <translation>Aktiv %1</translation>
    </message>
    <message>
        <source>Scan %1</source>
        <translation>Avsökning %1</translation>
    </message>
    <message>
        <source>CH Name %1</source>
        <translation>Kanalnamn %1</translation>
    </message>
</context>
</TS>
