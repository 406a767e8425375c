<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv_SE">
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
        <translation>%1 är aktiv men har inget kanalnummer (CH Display). Ange det, avmarkera Aktiv, eller ångra.</translation>
    </message>
    <message>
        <source>%1 is enabled but has no receive frequency (RX[MHz]) and no channel number (CH Display). Enter them, untick Enable, or undo.</source>
        <translation>%1 är aktiv men har ingen mottagningsfrekvens (RX[MHz]) och inget kanalnummer (CH Display). Ange dem, avmarkera Aktiv, eller ångra.</translation>
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
    <name>kv::MainWindow</name>
    <message>
        <source>&amp;Language</source>
        <translation>S&amp;pråk</translation>
    </message>
    <message>
        <source>System language</source>
        <translation>Systemets språk</translation>
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
</TS>
