<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Columns</name>
    <message>
        <source>CH Name</source>
        <translation>Nom du canal</translation>
    </message>
    <message>
        <source>ENABLE</source>
        <translation>ACTIF</translation>
    </message>
    <message>
        <source>DISP</source>
        <translation>AFFICHAGE</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>the chosen port</source>
        <translation>le port choisi</translation>
    </message>
    <message>
        <source>Nothing was written to the radio.</source>
        <translation>Rien n&apos;a été écrit dans la radio.</translation>
    </message>
    <message>
        <source>Every block was written; the read-back to verify them did not complete.</source>
        <translation>Tous les blocs ont été écrits ; la relecture pour les vérifier n&apos;a pas abouti.</translation>
    </message>
    <message>
        <source>The radio already holds this data: the write changes nothing.<byte value="xd"/>
Write it anyway?</source>
        <translation>La radio contient déjà ces données : l&apos;écriture ne change rien.<byte value="xd"/>
Écrire quand même ?</translation>
    </message>
    <message>
        <source>Numeric Only. Indispensable 10 figures.</source>
        <translation>Chiffres uniquement. Exactement 10 chiffres.</translation>
    </message>
    <message>
        <source>ATISNo</source>
        <translation>N° ATIS</translation>
    </message>
    <message>
        <source>Numeric Only. Indispensable 3 figures.</source>
        <translation>Chiffres uniquement. Exactement 3 chiffres.</translation>
    </message>
    <message>
        <source>Indispensable 3 figures.</source>
        <translation>Exactement 3 caractères.</translation>
    </message>
    <message>
        <source>A maximum of 12 characters</source>
        <translation>12 caractères au maximum</translation>
    </message>
    <message>
        <source>Indispensable 2 figures.</source>
        <translation>Exactement 2 caractères.</translation>
    </message>
    <message>
        <source>Rx frequency</source>
        <translation>Fréquence de réception</translation>
    </message>
    <message>
        <source>Tx frequency</source>
        <translation>Fréquence d&apos;émission</translation>
    </message>
    <message>
        <source>max 4 charactors.</source>
        <translation>4 caractères au maximum.</translation>
    </message>
    <message>
        <source>The ATIS code has exactly ten digits. Type all ten, or empty the field for no ATIS code.</source>
        <translation>Le code ATIS compte exactement dix chiffres. Saisissez-les tous les dix, ou videz le champ pour n&apos;avoir aucun code ATIS.</translation>
    </message>
    <message>
        <source>%1 must lie between %2 and %3 MHz. Enter a frequency in that band, or empty the field for no frequency.</source>
        <translation>%1 : la valeur doit être comprise entre %2 et %3 MHz. Saisissez une fréquence dans cette bande, ou videz le champ pour n&apos;avoir aucune fréquence.</translation>
    </message>
    <message>
        <source>%1 must lie between %2 and %3 MHz, in steps of 25 kHz. Enter such a frequency, or empty the field for no frequency.</source>
        <translation>%1 : la valeur doit être comprise entre %2 et %3 MHz, par pas de 25 kHz. Saisissez une telle fréquence, ou videz le champ pour n&apos;avoir aucune fréquence.</translation>
    </message>
    <message>
        <source>%1 is enabled but has no receive frequency (RX[MHz]). Enter it, untick Enable, or undo.</source>
        <translation>%1 est actif mais n&apos;a pas de fréquence de réception (RX[MHz]). Saisissez-la, décochez Actif, ou annulez la modification.</translation>
    </message>
    <message>
        <source>%1 is enabled but has no channel number (CH Display). Enter it, untick Enable, or undo.</source>
        <translation>%1 est actif mais n&apos;a pas de numéro de canal (Affichage du canal). Saisissez-le, décochez Actif, ou annulez la modification.</translation>
    </message>
    <message>
        <source>%1 is enabled but has no receive frequency (RX[MHz]) and no channel number (CH Display). Enter them, untick Enable, or undo.</source>
        <translation>%1 est actif mais n&apos;a ni fréquence de réception (RX[MHz]) ni numéro de canal (Affichage du canal). Saisissez-les, décochez Actif, ou annulez la modification.</translation>
    </message>
    <message>
        <source>No receive frequency or channel number: %1. Enter what each lacks, or untick its Enable, then program again.</source>
        <translation>Pas de fréquence de réception ou de numéro de canal : %1. Complétez ce qui manque à chaque canal, ou décochez Actif, puis programmez à nouveau.</translation>
    </message>
    <message>
        <source>%1 does not exist. The ports that do: %2.</source>
        <translation>%1 n&apos;existe pas. Les ports qui existent : %2.</translation>
    </message>
    <message>
        <source>%1 does not exist. This computer has no serial port now: plug in the programming cable.</source>
        <translation>%1 n&apos;existe pas. Cet ordinateur n&apos;a actuellement aucun port série : branchez le câble de programmation.</translation>
    </message>
    <message>
        <source>%1: permission denied. Join the group that owns the device (sudo usermod -aG %2 $USER), then log in again.</source>
        <translation>%1 : accès refusé. Rejoignez le groupe propriétaire du périphérique (sudo usermod -aG %2 $USER), puis reconnectez-vous.</translation>
    </message>
    <message>
        <source>%1: permission denied. The device allows only its owner. Grant access with a udev rule for the adapter: a file /etc/udev/rules.d/70-kvprog.rules holding the line SUBSYSTEM==&quot;tty&quot;, ATTRS{idVendor}==&quot;%2&quot;, ATTRS{idProduct}==&quot;%3&quot;, GROUP=&quot;dialout&quot;, MODE=&quot;0660&quot;; then join dialout (sudo usermod -aG dialout $USER), log in again and plug the adapter in again.</source>
        <translation>%1 : accès refusé. Le périphérique n&apos;autorise que son propriétaire. Donnez l&apos;accès par une règle udev pour l&apos;adaptateur : un fichier /etc/udev/rules.d/70-kvprog.rules contenant la ligne SUBSYSTEM==&quot;tty&quot;, ATTRS{idVendor}==&quot;%2&quot;, ATTRS{idProduct}==&quot;%3&quot;, GROUP=&quot;dialout&quot;, MODE=&quot;0660&quot; ; rejoignez ensuite dialout (sudo usermod -aG dialout $USER), reconnectez-vous et rebranchez l&apos;adaptateur.</translation>
    </message>
    <message>
        <source>%1: permission denied. The device allows only its owner. Grant access with a udev rule for the adapter: a file /etc/udev/rules.d/70-kvprog.rules holding the line SUBSYSTEM==&quot;tty&quot;, ATTRS{idVendor}==&quot;VVVV&quot;, ATTRS{idProduct}==&quot;PPPP&quot;, GROUP=&quot;dialout&quot;, MODE=&quot;0660&quot; (udevadm info -a -n %1 shows the adapter&apos;s idVendor and idProduct); then join dialout (sudo usermod -aG dialout $USER), log in again and plug the adapter in again.</source>
        <translation>%1 : accès refusé. Le périphérique n&apos;autorise que son propriétaire. Donnez l&apos;accès par une règle udev pour l&apos;adaptateur : un fichier /etc/udev/rules.d/70-kvprog.rules contenant la ligne SUBSYSTEM==&quot;tty&quot;, ATTRS{idVendor}==&quot;VVVV&quot;, ATTRS{idProduct}==&quot;PPPP&quot;, GROUP=&quot;dialout&quot;, MODE=&quot;0660&quot; (udevadm info -a -n %1 indique l&apos;idVendor et l&apos;idProduct de l&apos;adaptateur) ; rejoignez ensuite dialout (sudo usermod -aG dialout $USER), reconnectez-vous et rebranchez l&apos;adaptateur.</translation>
    </message>
    <message>
        <source>%1 is busy: %2 holds it. Close %2 and try again.</source>
        <translation>%1 est occupé : %2 l&apos;utilise. Fermez %2 et réessayez.</translation>
    </message>
    <message>
        <source>%1 is busy: another program holds it. Close that program and try again.</source>
        <translation>%1 est occupé : un autre programme l&apos;utilise. Fermez ce programme et réessayez.</translation>
    </message>
    <message>
        <source>Nothing came back from %1 within %2 s, not even the echo the programming cable gives of every byte: no cable answers on that port.</source>
        <translation>Rien n&apos;est revenu par %1 en %2 s, pas même l&apos;écho que le câble de programmation renvoie de chaque octet : aucun câble ne répond sur ce port.</translation>
    </message>
    <message>
        <source>The radio did not answer properly on %1. Check that the radio is switched on and in PC-programming mode, that the cable is seated at both ends, and that %1 is the port the cable is on.</source>
        <translation>La radio n&apos;a pas répondu correctement sur %1. Vérifiez que la radio est allumée et en mode de programmation PC, que le câble est bien branché aux deux bouts, et que %1 est bien le port du câble.</translation>
    </message>
    <message>
        <source>The radio now holds part old and part new data: %1 of %2 blocks were written.</source>
        <translation>La radio contient maintenant des données en partie anciennes, en partie nouvelles : %1 blocs sur %2 ont été écrits.</translation>
    </message>
    <message>
        <source>Write again, or restore the backup.</source>
        <translation>Écrivez à nouveau, ou restaurez la sauvegarde.</translation>
    </message>
    <message>
        <source>The radio reports %1; the data are for %2.</source>
        <translation>La radio indique %1 ; les données sont destinées à %2.</translation>
    </message>
    <message>
        <source>Data for one destination are not programmed into a radio of another. Read this radio (Transfer &gt; Read) to change what it holds.</source>
        <translation>Les données d&apos;une version régionale ne sont pas programmées dans une radio d&apos;une autre. Lisez cette radio (Transfert &gt; Lire la radio) pour modifier son contenu.</translation>
    </message>
    <message>
        <source>Data for one destination are not programmed into a radio of another. Read this radio (Transfer &gt; Read) to change what it holds, or choose %1 in the Region menu to start from its default data.</source>
        <translation>Les données d&apos;une version régionale ne sont pas programmées dans une radio d&apos;une autre. Lisez cette radio (Transfert &gt; Lire la radio) pour modifier son contenu, ou choisissez %1 dans le menu Région pour partir de ses données par défaut.</translation>
    </message>
    <message>
        <source>A read replaces all the data with the radio&apos;s. Switch to %1 and read the radio?</source>
        <translation>Une lecture remplace toutes les données par celles de la radio. Passer à %1 et lire la radio ?</translation>
    </message>
    <message>
        <source>The radio is set for %1; the data are for %2.</source>
        <translation>La radio est réglée pour %1 ; les données sont destinées à %2.</translation>
    </message>
    <message>
        <source>The radio on %1 is not of the %2 series the data are for. Choose the radio&apos;s series under Edit &gt; Model, then try again.</source>
        <translation>La radio sur %1 n&apos;est pas de la série %2 à laquelle les données sont destinées. Choisissez la série de la radio dans Édition &gt; Modèle, puis réessayez.</translation>
    </message>
    <message>
        <source>The radio on %1 is of the %2 series, but of a product version these data are not for.</source>
        <translation>La radio sur %1 est de la série %2, mais d&apos;une version de produit à laquelle ces données ne sont pas destinées.</translation>
    </message>
    <message>
        <source>The radio on %1 reports that it is busy. Press Retry when it is free, or Cancel to stop.</source>
        <translation>La radio sur %1 indique qu&apos;elle est occupée. Cliquez sur Réessayer quand elle sera libre, ou sur Annuler pour arrêter.</translation>
    </message>
    <message>
        <source>The radio on %1 refused a request several times. OK synchronizes with it again and repeats the request; Cancel stops.</source>
        <translation>La radio sur %1 a refusé une demande plusieurs fois. OK la resynchronise et répète la demande ; Annuler arrête.</translation>
    </message>
    <message>
        <source>Verified: the radio holds every byte that was written.</source>
        <translation>Vérifié : la radio contient chaque octet écrit.</translation>
    </message>
    <message>
        <source>Could not read %1. Check the file&apos;s name and that you may read it.</source>
        <translation>Impossible de lire %1. Vérifiez le nom du fichier et que vous avez le droit de le lire.</translation>
    </message>
    <message>
        <source>Could not write %1. Check that the folder exists, that you may write to it and that the disk has room, or save under another name.</source>
        <translation>Impossible d&apos;écrire %1. Vérifiez que le dossier existe, que vous avez le droit d&apos;y écrire et que le disque a de la place, ou enregistrez sous un autre nom.</translation>
    </message>
    <message>
        <source>%1 is not an image file of a %2: its length does not fit. Open an image file of this model, or choose the file&apos;s model under Edit &gt; Model first.</source>
        <translation>%1 n&apos;est pas un fichier image d&apos;une %2 : sa longueur ne correspond pas. Ouvrez un fichier image de ce modèle, ou choisissez d&apos;abord le modèle du fichier dans Édition &gt; Modèle.</translation>
    </message>
    <message>
        <source>%1 holds the data of another model than a %2. Choose the file&apos;s model under Edit &gt; Model, then open it again.</source>
        <translation>%1 contient les données d&apos;un autre modèle qu&apos;une %2. Choisissez le modèle du fichier dans Édition &gt; Modèle, puis ouvrez-le à nouveau.</translation>
    </message>
    <message>
        <source>%1 holds the data of another product version than a %2.</source>
        <translation>%1 contient les données d&apos;une autre version de produit qu&apos;une %2.</translation>
    </message>
    <message>
        <source>The file names no model this program programs (MODELTYPE=%1). Open a settings file of a KV150 or KV170 series radio.</source>
        <translation>Le fichier n&apos;indique aucun modèle que ce programme programme (MODELTYPE=%1). Ouvrez un fichier de réglages d&apos;une radio de la série KV150 ou KV170.</translation>
    </message>
    <message>
        <source>The manual is %1; open it in a web browser.</source>
        <translation>Le manuel est %1 ; ouvrez-le dans un navigateur web.</translation>
    </message>
    <message>
        <source>PC Program for KV150/KV170 Series</source>
        <translation>Programme PC pour la série KV150/KV170</translation>
    </message>
    <message>
        <source>Read from Radio</source>
        <translation>Lire la radio</translation>
    </message>
    <message>
        <source>bad file!!</source>
        <translation>fichier non valable !!</translation>
    </message>
    <message>
        <source>ModelType Error !!</source>
        <translation>Erreur de type de modèle !!</translation>
    </message>
    <message>
        <source>ProductType Error !!</source>
        <translation>Erreur de type de produit !!</translation>
    </message>
    <message>
        <source>FileRead Error!!</source>
        <translation>Erreur de lecture du fichier !!</translation>
    </message>
    <message>
        <source>FileSave Error!!</source>
        <translation>Erreur d&apos;enregistrement du fichier !!</translation>
    </message>
    <message>
        <source>different model!!</source>
        <translation>autre modèle !!</translation>
    </message>
    <message>
        <source>Program to Radio</source>
        <translation>Programmer la radio</translation>
    </message>
    <message>
        <source>Model Check</source>
        <translation>Contrôle du modèle</translation>
    </message>
    <message>
        <source>port inicialize error!!</source>
        <translation>erreur d&apos;initialisation du port !!</translation>
    </message>
    <message>
        <source>Communication Error!!</source>
        <translation>Erreur de communication !!</translation>
    </message>
    <message>
        <source>ACMD Command error!!</source>
        <translation>Erreur de commande ACMD !!</translation>
    </message>
    <message>
        <source>error!!</source>
        <translation>erreur !!</translation>
    </message>
    <message>
        <source>cancel!!</source>
        <translation>annulé !!</translation>
    </message>
    <message>
        <source>time out!!</source>
        <translation>délai dépassé !!</translation>
    </message>
    <message>
        <source>Radio is busy!!</source>
        <translation>La radio est occupée !!</translation>
    </message>
    <message>
        <source>confirm the synchronization of the communication</source>
        <translation>confirmer la synchronisation de la communication</translation>
    </message>
    <message>
        <source>address error!!</source>
        <translation>erreur d&apos;adresse !!</translation>
    </message>
    <message>
        <source>data error!!</source>
        <translation>erreur de données !!</translation>
    </message>
    <message>
        <source>Radio not ready!!</source>
        <translation>Radio non prête !!</translation>
    </message>
    <message>
        <source>Complete!!</source>
        <translation>Terminé !!</translation>
    </message>
    <message>
        <source>Product Error !!</source>
        <translation>Erreur de produit !!</translation>
    </message>
    <message>
        <source>Destination Error !!</source>
        <translation>Erreur de version régionale !!</translation>
    </message>
    <message>
        <source>The region selection is unmatched.</source>
        <translation>La région choisie ne correspond pas.</translation>
    </message>
    <message>
        <source>Do you want to read the data?</source>
        <translation>Voulez-vous lire les données ?</translation>
    </message>
    <message>
        <source>Do you want to write the data?</source>
        <translation>Voulez-vous écrire les données ?</translation>
    </message>
    <message>
        <source>(not exist)</source>
        <translation>(inexistant)</translation>
    </message>
    <message>
        <source>Data Error!!</source>
        <translation>Erreur de données !!</translation>
    </message>
    <message>
        <source>Please input correct data.</source>
        <translation>Veuillez saisir des données valables.</translation>
    </message>
    <message>
        <source>TWS data has changed.</source>
        <translation>Les données TWS ont été modifiées.</translation>
    </message>
    <message>
        <source>Do you want to save changes?</source>
        <translation>Voulez-vous enregistrer les modifications ?</translation>
    </message>
    <message>
        <source>IniFileRead Error!!</source>
        <translation>Erreur de lecture des données par défaut !!</translation>
    </message>
    <message>
        <source>[Up]/[Down]/[Left]/[Right]:Change of a Selection item.</source>
        <translation>[Haut]/[Bas]/[Gauche]/[Droite] : changer la sélection.</translation>
    </message>
    <message>
        <source>[Up]/[Down]:Change of a Selection item.</source>
        <translation>[Haut]/[Bas] : changer la sélection.</translation>
    </message>
    <message>
        <source>[Space]:An effective and invalid change.</source>
        <translation>[Espace] : cocher ou décocher.</translation>
    </message>
    <message>
        <source>[Double click],[Enter]:Jump the Setting screen.</source>
        <translation>[Double-clic],[Entrée] : aller à l&apos;écran de réglage.</translation>
    </message>
    <message>
        <source>Select[x]Enable/[]Disable.</source>
        <translation>Choisir [x] actif / [ ] inactif.</translation>
    </message>
    <message>
        <source>Unable to display Help Contents. There is no Help associated with this project.</source>
        <translation>Impossible d&apos;afficher l&apos;aide. Aucune aide n&apos;accompagne ce programme.</translation>
    </message>
    <message>
        <source>The help could not be opened: no web browser could be started.</source>
        <translation>L&apos;aide n&apos;a pas pu être ouverte : aucun navigateur web n&apos;a pu être lancé.</translation>
    </message>
    <message>
        <source>1.Connect the TWS cable between the PC serial port and the radio.</source>
        <translation>1. Branchez le câble TWS entre le port série du PC et la radio.</translation>
    </message>
    <message>
        <source>2.Turn on the radio.</source>
        <translation>2. Allumez la radio.</translation>
    </message>
    <message>
        <source>3.Press the [OK] button to start.</source>
        <translation>3. Cliquez sur [OK] pour commencer.</translation>
    </message>
    <message>
        <source>Messages now appear in the new language; the rest of the window follows when the program starts again.</source>
        <translation>Les messages s&apos;affichent désormais dans la nouvelle langue ; le reste de la fenêtre suivra au prochain démarrage du programme.</translation>
    </message>
    <message>
        <source>a channel that does not transmit has no power to choose</source>
        <translation>un canal qui n&apos;émet pas n&apos;a pas de puissance à choisir</translation>
    </message>
    <message>
        <source>only an enabled EXP channel is offered in a marine group</source>
        <translation>seul un canal EXP actif est proposé dans un groupe marine</translation>
    </message>
    <message>
        <source>a channel needs a receive frequency</source>
        <translation>un canal a besoin d&apos;une fréquence de réception</translation>
    </message>
    <message>
        <source>this radio keeps no tones</source>
        <translation>cette radio ne conserve pas de tonalités</translation>
    </message>
    <message>
        <source>this radio has no narrow channels</source>
        <translation>cette radio n&apos;a pas de canaux étroits</translation>
    </message>
    <message>
        <source>missing; the generic layout&apos;s rows need it</source>
        <translation>manquante ; les lignes de la disposition générique en ont besoin</translation>
    </message>
    <message>
        <source>an enabled channel needs a receive frequency</source>
        <translation>un canal actif a besoin d&apos;une fréquence de réception</translation>
    </message>
    <message>
        <source>an enabled channel needs a channel number</source>
        <translation>un canal actif a besoin d&apos;un numéro de canal</translation>
    </message>
    <message>
        <source>wide is taken as narrow (NFM): a land-mobile channel in 150 - 174 MHz must be narrow</source>
        <translation>large est pris comme étroit (NFM) : un canal mobile terrestre dans 150 - 174 MHz doit être étroit</translation>
    </message>
    <message>
        <source>a land-mobile channel in 150 - 174 MHz must be narrow</source>
        <translation>un canal mobile terrestre dans 150 - 174 MHz doit être étroit</translation>
    </message>
    <message>
        <source>the header row is missing</source>
        <translation>la ligne d&apos;en-tête manque</translation>
    </message>
    <message>
        <source>a marine list keeps at least one channel</source>
        <translation>une liste marine garde au moins un canal</translation>
    </message>
    <message>
        <source>row 1: the header mixes &quot;,&quot; and &quot;;&quot; as separators</source>
        <translation>ligne 1 : l&apos;en-tête mélange &quot;,&quot; et &quot;;&quot; comme séparateurs</translation>
    </message>
    <message>
        <source>Select a channel list (RG, LMR or EXP) first.</source>
        <translation>Choisissez d&apos;abord une liste de canaux (RG, LMR ou EXP).</translation>
    </message>
    <message>
        <source>Select a channel list (USA, INTL, CANADA, Weather, RG, LMR or EXP) first.</source>
        <translation>Choisissez d&apos;abord une liste de canaux (USA, INTL, CANADA, Météo, RG, LMR ou EXP).</translation>
    </message>
    <message>
        <source>Import them?</source>
        <translation>Les importer ?</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Activé</translation>
    </message>
    <message>
        <source>TX Po Display</source>
        <translation>Affichage de la puissance</translation>
    </message>
    <message>
        <source>Lo Po Only</source>
        <translation>Faible puissance uniquement</translation>
    </message>
    <message>
        <source>Lo Po on Changing CH</source>
        <translation>Faible puissance au changement de canal</translation>
    </message>
    <message>
        <source>Last TX Po</source>
        <translation>Dernière puissance d&apos;émission</translation>
    </message>
    <message>
        <source>SCAN</source>
        <translation>Balayage</translation>
    </message>
    <message>
        <source>Resume Time</source>
        <translation>Délai de reprise</translation>
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
        <translation>Arrêt du balayage par PTT</translation>
    </message>
    <message>
        <source>Dual Watch</source>
        <translation>Double veille</translation>
    </message>
    <message>
        <source>Offset Time</source>
        <translation>Décalage horaire</translation>
    </message>
    <message>
        <source>Magnetic Variation</source>
        <translation>Déclinaison magnétique</translation>
    </message>
    <message>
        <source>True</source>
        <translation>Vrai</translation>
    </message>
    <message>
        <source>Mag</source>
        <translation>Magnétique</translation>
    </message>
    <message>
        <source>Weather Alert</source>
        <translation>Alerte météo</translation>
    </message>
    <message>
        <source>Rotary Beep</source>
        <translation>Bip du bouton rotatif</translation>
    </message>
    <message>
        <source>LMR Channel</source>
        <translation>Canaux LMR</translation>
    </message>
    <message>
        <source>EXP Channel</source>
        <translation>Canaux EXP</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Available CH Group Setup</source>
        <translation>Groupes de canaux disponibles</translation>
    </message>
    <message>
        <source>Common Setup</source>
        <translation>Réglages communs</translation>
    </message>
    <message>
        <source>ATIS Setup</source>
        <translation>Réglages ATIS</translation>
    </message>
    <message>
        <source>Programmable Channel</source>
        <translation>Canaux programmables</translation>
    </message>
    <message>
        <source>Weather</source>
        <translation>Météo</translation>
    </message>
    <message>
        <source>RG Channel</source>
        <translation>Canaux RG</translation>
    </message>
    <message>
        <source>Back up the radio before programming</source>
        <translation>Sauvegarder la radio avant de la programmer</translation>
    </message>
    <message>
        <source>Verify after programming</source>
        <translation>Vérifier après la programmation</translation>
    </message>
    <message>
        <source>Not all of the file could be taken as it stands:</source>
        <translation>Tout le fichier n&apos;a pas pu être repris tel quel :</translation>
    </message>
    <message>
        <source>For what is missing the radio would get the default values or those loaded before.<byte value="xd"/>
Program the radio anyway?</source>
        <translation>Pour ce qui manque, la radio recevrait les valeurs par défaut ou celles chargées auparavant.<byte value="xd"/>
Programmer la radio quand même ?</translation>
    </message>
    <message>
        <source>Do you want to replace it?</source>
        <translation>Voulez-vous le remplacer ?</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>en attente</translation>
    </message>
    <message>
        <source>waiting to be connected</source>
        <translation>attend d&apos;être branchée</translation>
    </message>
    <message>
        <source>programming</source>
        <translation>en cours de programmation</translation>
    </message>
    <message>
        <source>programmed and verified</source>
        <translation>programmée et vérifiée</translation>
    </message>
    <message>
        <source>programmed</source>
        <translation>programmée</translation>
    </message>
    <message>
        <source>partly written</source>
        <translation>partiellement écrite</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>échec</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>annulée</translation>
    </message>
    <message>
        <source>skipped</source>
        <translation>ignorée</translation>
    </message>
    <message>
        <source>not connected</source>
        <translation>non branchée</translation>
    </message>
    <message>
        <source>cancelled before it started</source>
        <translation>annulée avant de commencer</translation>
    </message>
    <message>
        <source>no port was left to program it</source>
        <translation>aucun port ne restait pour la programmer</translation>
    </message>
    <message>
        <source>the radio already held this data: nothing written</source>
        <translation>la radio contenait déjà ces données : rien n&apos;a été écrit</translation>
    </message>
    <message>
        <source>connect it, then press Next</source>
        <translation>branchez-la, puis appuyez sur Suivant</translation>
    </message>
    <message>
        <source>Choose the programming every radio gets.</source>
        <translation>Choisissez la programmation que reçoit chaque radio.</translation>
    </message>
    <message>
        <source>Load the radios&apos; CSV.</source>
        <translation>Chargez le CSV des radios.</translation>
    </message>
    <message>
        <source>Tick the ports to program on.</source>
        <translation>Cochez les ports sur lesquels programmer.</translation>
    </message>
    <message>
        <source>Program Fleet</source>
        <translation>Programmer une flotte</translation>
    </message>
    <message>
        <source>the current data</source>
        <translation>les données actuelles</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Téléchargement</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Restore from Backup</source>
        <translation>Restaurer depuis une sauvegarde</translation>
    </message>
    <message>
        <source>Waiting for the radio to confirm the cancel...</source>
        <translation>Attente de la confirmation de l&apos;annulation par la radio...</translation>
    </message>
    <message>
        <source>reading the radio into a backup</source>
        <translation>lecture de la radio dans une sauvegarde</translation>
    </message>
    <message>
        <source>reading the radio</source>
        <translation>lecture de la radio</translation>
    </message>
    <message>
        <source>what the write changes</source>
        <translation>ce que l&apos;écriture change</translation>
    </message>
    <message>
        <source>writing</source>
        <translation>écriture</translation>
    </message>
    <message>
        <source>reading back to verify</source>
        <translation>relecture pour vérification</translation>
    </message>
    <message>
        <source>This write changes 1 setting:</source>
        <translation>Cette écriture modifie 1 réglage :</translation>
    </message>
    <message>
        <source>No backup was read before programming.</source>
        <translation>Aucune sauvegarde n&apos;a été lue avant la programmation.</translation>
    </message>
    <message>
        <source>Program the radio without a backup?</source>
        <translation>Programmer la radio sans sauvegarde ?</translation>
    </message>
    <message>
        <source>simplex</source>
        <translation>simplex</translation>
    </message>
    <message>
        <source>RX simplex</source>
        <translation>simplex RX</translation>
    </message>
    <message>
        <source>duplex</source>
        <translation>duplex</translation>
    </message>
    <message>
        <source>reverse duplex</source>
        <translation>duplex inversé</translation>
    </message>
    <message>
        <source>&amp;KV170 Series</source>
        <translation>Série &amp;KV170</translation>
    </message>
    <message>
        <source>&amp;KV170X Series</source>
        <translation>Série KV170&amp;X</translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation>L&apos;imprimante n&apos;a pas pu être démarrée.</translation>
    </message>
    <message>
        <source>The printer refused a new page.</source>
        <translation>L&apos;imprimante a refusé une nouvelle page.</translation>
    </message>
    <message>
        <source>The printer could not finish the document.</source>
        <translation>L&apos;imprimante n&apos;a pas pu terminer le document.</translation>
    </message>
    <message>
        <source>FCC Rule Caution!</source>
        <translation>Attention : règle de la FCC !</translation>
    </message>
    <message>
        <source>Your Data includes some Wide bandwidth CHs in 150 - 174 MHz band.<byte value="xd"/>
After Jan.1, 2013, You must change their CHs to Narrow bandwidth.</source>
        <translation>Vos données contiennent des canaux à large bande dans la bande 150 - 174 MHz.<byte value="xd"/>
Depuis le 1er janvier 2013, vous devez passer ces canaux en bande étroite.</translation>
    </message>
    <message>
        <source>Do you change their CHs to Narrow bandwidth automatically, and start Do you start downloading them?<byte value="xd"/>
    Yes : It will be change the bandwidth into Narrow and start downloading.<byte value="xd"/>
    No : It will start downloading (w/o changing the bandwidth)</source>
        <translation>Passer ces canaux automatiquement en bande étroite et lancer le téléchargement ?<byte value="xd"/>
    Oui : la bande passe en étroite et le téléchargement démarre.<byte value="xd"/>
    Non : le téléchargement démarre (sans changer la bande)</translation>
    </message>
    <message>
        <source>Your Data was changed Wide CHs to Narrow, and Do you start downloading them?</source>
        <translation>Dans vos données, les canaux larges ont été passés en étroit. Lancer le téléchargement ?</translation>
    </message>
    <message>
        <source>After Jan.1, 2013, You must change some Wide CHs to Narrow in the 150 - 174 MHz band.</source>
        <translation>Depuis le 1er janvier 2013, vous devez passer en étroit les canaux larges de la bande 150 - 174 MHz.</translation>
    </message>
    <message>
        <source>Your Data was changed Wide CHs to Narrow.</source>
        <translation>Dans vos données, les canaux larges ont été passés en étroit.</translation>
    </message>
    <message>
        <source>Do yo want to program the %1 series?</source>
        <translation>Voulez-vous programmer la série %1 ?</translation>
    </message>
    <message>
        <source>Do yo want to change to %1?</source>
        <translation>Voulez-vous passer à %1 ?</translation>
    </message>
    <message>
        <source>The data in the window are replaced with the default data of %1.</source>
        <translation>Les données de la fenêtre sont remplacées par les données par défaut de %1.</translation>
    </message>
    <message>
        <source>The default data of %1 could not be read from %2. Install the program again, or choose another entry of the Region menu.</source>
        <translation>Les données par défaut de %1 n&apos;ont pas pu être lues dans %2. Réinstallez le programme, ou choisissez une autre entrée du menu Région.</translation>
    </message>
    <message>
        <source>Too many entries</source>
        <translation>Trop d&apos;entrées</translation>
    </message>
    <message>
        <source>The %1 list holds at most %2 channels. Delete a channel before adding another.</source>
        <translation>La liste %1 contient au plus %2 canaux. Supprimez un canal avant d&apos;en ajouter un autre.</translation>
    </message>
    <message>
        <source>%1 is write-protected.</source>
        <translation>%1 est protégé en écriture.</translation>
    </message>
    <message>
        <source>%1 was incomplete when it was loaded:</source>
        <translation>%1 était incomplet au chargement :</translation>
    </message>
    <message>
        <source>Check that the printer is switched on, connected and ready, then print again; File &gt; Export PDF... saves the pages to print later.</source>
        <translation>Vérifiez que l&apos;imprimante est allumée, branchée et prête, puis imprimez à nouveau ; Fichier &gt; Exporter en PDF... enregistre les pages pour les imprimer plus tard.</translation>
    </message>
    <message>
        <source>Check that the folder exists, that you may write to it and that the disk has room, or save under another name.</source>
        <translation>Vérifiez que le dossier existe, que vous avez le droit d&apos;y écrire et que le disque a de la place, ou enregistrez sous un autre nom.</translation>
    </message>
    <message>
        <source>The read could not be kept in the backups folder: %1</source>
        <translation>La lecture n&apos;a pas pu être conservée dans le dossier des sauvegardes : %1</translation>
    </message>
    <message>
        <source>The read itself is complete. Check that you may write to the backups folder and that the disk has room.</source>
        <translation>La lecture elle-même est terminée. Vérifiez que vous avez le droit d&apos;écrire dans le dossier des sauvegardes et que le disque a de la place.</translation>
    </message>
    <message>
        <source>Choose another backup, or read the radio again.</source>
        <translation>Choisissez une autre sauvegarde, ou relisez la radio.</translation>
    </message>
    <message>
        <source>The backup could not be saved: %1</source>
        <translation>La sauvegarde n&apos;a pas pu être enregistrée : %1</translation>
    </message>
    <message>
        <source>Choose a settings file (.dat) or an image file (.hex) of a KV150 or KV170 series radio that you may read.</source>
        <translation>Choisissez un fichier de réglages (.dat) ou un fichier image (.hex) d&apos;une radio de la série KV150 ou KV170 que vous avez le droit de lire.</translation>
    </message>
    <message>
        <source>Choose the radios&apos; CSV file again: check its name and that you may read it.</source>
        <translation>Choisissez à nouveau le fichier CSV des radios : vérifiez son nom et que vous avez le droit de le lire.</translation>
    </message>
    <message>
        <source>CH %1: %2.</source>
        <translation>Canal %1 : %2.</translation>
    </message>
    <message>
        <source>channel %1 receives only, kept %2</source>
        <translation>le canal %1 est en réception seule, reste en %2</translation>
    </message>
    <message>
        <source>%1, the port chosen before, is not present: no port is chosen (Options &gt; SerialPort).</source>
        <translation>%1, le port choisi auparavant, est absent : aucun port n&apos;est choisi (Options &gt; Port série).</translation>
    </message>
    <message>
        <source>Testing the cable on %1: waiting for its echo...</source>
        <translation>Test du câble sur %1 : attente de son écho...</translation>
    </message>
    <message>
        <source>Waiting for the radio on %1 to answer...</source>
        <translation>Attente de la réponse de la radio sur %1...</translation>
    </message>
    <message>
        <source>Connect radio &apos;%1&apos; to %2, then press Next.</source>
        <translation>Branchez la radio &apos;%1&apos; sur %2, puis appuyez sur Suivant.</translation>
    </message>
    <message>
        <source>Step %1 of %2: %3</source>
        <translation>Étape %1 sur %2 : %3</translation>
    </message>
    <message>
        <source>This write changes %1 settings:</source>
        <translation>Cette écriture modifie %1 réglages :</translation>
    </message>
    <message>
        <source>Verify failed: the radio holds %1 byte(s) other than those written:%2</source>
        <translation>Échec de la vérification : la radio contient %1 octet(s) différent(s) de ceux écrits :%2</translation>
    </message>
    <message>
        <source>Settings concerned:%1</source>
        <translation>Réglages concernés :%1</translation>
    </message>
    <message>
        <source>The backup read before programming can be restored to put the radio back as it was: %1 (File &gt; Restore from Backup, then Program to Radio; or kvtool program %1 --port PORT).</source>
        <translation>La sauvegarde lue avant la programmation peut être restaurée pour remettre la radio dans son état d&apos;avant : %1 (Fichier &gt; Restaurer depuis une sauvegarde, puis Programmer la radio ; ou kvtool program %1 --port PORT).</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>... et %1 de plus</translation>
    </message>
    <message>
        <source>%1[Enable]</source>
        <translation>%1[Actif]</translation>
    </message>
    <message>
        <source>Nothing was imported from %1.</source>
        <translation>Rien n&apos;a été importé depuis %1.</translation>
    </message>
    <message>
        <source>Correct what is listed in the file, then import it again.</source>
        <translation>Corrigez ce qui est listé dans le fichier, puis importez-le à nouveau.</translation>
    </message>
    <message>
        <source>Nothing was pasted.</source>
        <translation>Rien n&apos;a été collé.</translation>
    </message>
    <message>
        <source>Correct what is listed where the rows were copied, then copy and paste them again.</source>
        <translation>Corrigez ce qui est listé là où les lignes ont été copiées, puis copiez-les et collez-les à nouveau.</translation>
    </message>
    <message>
        <source>%1 %2 rows pasted.</source>
        <translation>%1 lignes %2 collées.</translation>
    </message>
    <message>
        <source>%1 %2 channel exported to %3.</source>
        <translation>%1 canal %2 exporté vers %3.</translation>
    </message>
    <message>
        <source>%1 %2 channels exported to %3.</source>
        <translation>%1 canaux %2 exportés vers %3.</translation>
    </message>
    <message>
        <source>%1 %2 channel imported from %3.</source>
        <translation>%1 canal %2 importé depuis %3.</translation>
    </message>
    <message>
        <source>%1 %2 channels imported from %3.</source>
        <translation>%1 canaux %2 importés depuis %3.</translation>
    </message>
    <message>
        <source>%1 %2 channel from %3 is taken with these changes:</source>
        <translation>%1 canal %2 de %3 est repris avec ces modifications :</translation>
    </message>
    <message>
        <source>%1 %2 channels from %3 are taken with these changes:</source>
        <translation>%1 canaux %2 de %3 sont repris avec ces modifications :</translation>
    </message>
    <message>
        <source>row %1, column %2: %3</source>
        <translation>ligne %1, colonne %2 : %3</translation>
    </message>
    <message>
        <source>row %1: a quoted cell is not closed</source>
        <translation>ligne %1 : une cellule entre guillemets n&apos;est pas fermée</translation>
    </message>
    <message>
        <source>larger than %1 KB; not a channel list</source>
        <translation>plus de %1 Ko ; pas une liste de canaux</translation>
    </message>
    <message>
        <source>not a UTF-8 text (byte %1)</source>
        <translation>pas un texte UTF-8 (octet %1)</translation>
    </message>
    <message>
        <source>row %1 is longer than %2 bytes; not a channel list</source>
        <translation>la ligne %1 dépasse %2 octets ; pas une liste de canaux</translation>
    </message>
    <message>
        <source>Too many entries (the list holds %1 channels)</source>
        <translation>Trop d&apos;entrées (la liste contient %1 canaux)</translation>
    </message>
    <message>
        <source>%1 is neither &quot;&quot; (scanned) nor &quot;S&quot; (skipped)</source>
        <translation>%1 n&apos;est ni &quot;&quot; (balayé) ni &quot;S&quot; (ignoré)</translation>
    </message>
    <message>
        <source>%1 is neither a scrambler code 0 to 3 nor &quot;--&quot;</source>
        <translation>%1 n&apos;est ni un code de brouilleur 0 à 3 ni &quot;--&quot;</translation>
    </message>
    <message>
        <source>%1 is neither %2 nor %3</source>
        <translation>%1 n&apos;est ni %2 ni %3</translation>
    </message>
    <message>
        <source>%1 is none of &quot;TX SIMP&quot;, &quot;RX SIMP&quot;, &quot;DUP&quot;, &quot;Reverse DUP&quot;</source>
        <translation>%1 n&apos;est aucun de &quot;TX SIMP&quot;, &quot;RX SIMP&quot;, &quot;DUP&quot;, &quot;Reverse DUP&quot;</translation>
    </message>
    <message>
        <source>longer than %1 characters</source>
        <translation>plus de %1 caractères</translation>
    </message>
    <message>
        <source>%1 holds a character a channel name cannot (letters, digits, - / , _ . and space)</source>
        <translation>%1 contient un caractère impossible dans un nom de canal (lettres, chiffres, - / , _ . et espace)</translation>
    </message>
    <message>
        <source>%1 is longer than the display&apos;s four characters</source>
        <translation>%1 dépasse les quatre caractères de l&apos;afficheur</translation>
    </message>
    <message>
        <source>%1 holds a character the display cannot show</source>
        <translation>%1 contient un caractère que l&apos;afficheur ne peut pas montrer</translation>
    </message>
    <message>
        <source>%1 is not a frequency in MHz</source>
        <translation>%1 n&apos;est pas une fréquence en MHz</translation>
    </message>
    <message>
        <source>%1 has more than four decimals (100 Hz)</source>
        <translation>%1 a plus de quatre décimales (100 Hz)</translation>
    </message>
    <message>
        <source>%1 is finer than the radio&apos;s steps of 100 Hz</source>
        <translation>%1 est plus fin que les pas de 100 Hz de la radio</translation>
    </message>
    <message>
        <source>the transmit frequency %1 MHz (Duplex %2) is outside %3 - %4 MHz, in steps of 25 kHz</source>
        <translation>la fréquence d&apos;émission %1 MHz (Duplex %2) est hors de %3 - %4 MHz, par pas de 25 kHz</translation>
    </message>
    <message>
        <source>the transmit frequency %1 MHz (Duplex %2) is outside %3 - %4 MHz</source>
        <translation>la fréquence d&apos;émission %1 MHz (Duplex %2) est hors de %3 - %4 MHz</translation>
    </message>
    <message>
        <source>%1 is outside %2 - %3 MHz, in steps of 25 kHz</source>
        <translation>%1 est hors de %2 - %3 MHz, par pas de 25 kHz</translation>
    </message>
    <message>
        <source>%1 is outside %2 - %3 MHz</source>
        <translation>%1 est hors de %2 - %3 MHz</translation>
    </message>
    <message>
        <source>%1 is no CTCSS tone (67.0Hz ... 254.1Hz) or DCS code (023N ... 754I)</source>
        <translation>%1 n&apos;est ni une tonalité CTCSS (67.0Hz ... 254.1Hz) ni un code DCS (023N ... 754I)</translation>
    </message>
    <message>
        <source>%1 is not the transmit frequency of channel %2 (%3): a marine channel&apos;s frequencies follow its channel number</source>
        <translation>%1 n&apos;est pas la fréquence d&apos;émission du canal %2 (%3) : les fréquences d&apos;un canal marine découlent de son numéro de canal</translation>
    </message>
    <message>
        <source>%1 is not the receive frequency of channel %2 (%3): a marine channel&apos;s frequencies follow its channel number</source>
        <translation>%1 n&apos;est pas la fréquence de réception du canal %2 (%3) : les fréquences d&apos;un canal marine découlent de son numéro de canal</translation>
    </message>
    <message>
        <source>%1 is left out: this radio keeps no names</source>
        <translation>%1 est omis : cette radio ne conserve pas de noms</translation>
    </message>
    <message>
        <source>%1 is shortened to %2</source>
        <translation>%1 est raccourci en %2</translation>
    </message>
    <message>
        <source>%1 is none of &quot;&quot;, &quot;+&quot;, &quot;-&quot;, &quot;split&quot;, &quot;off&quot;</source>
        <translation>%1 n&apos;est aucun de &quot;&quot;, &quot;+&quot;, &quot;-&quot;, &quot;split&quot;, &quot;off&quot;</translation>
    </message>
    <message>
        <source>%1 is no CTCSS tone of the radio (67.0 to 254.1 Hz)</source>
        <translation>%1 n&apos;est pas une tonalité CTCSS de la radio (67.0 à 254.1 Hz)</translation>
    </message>
    <message>
        <source>%1 is no DCS code of the radio (023 to 754)</source>
        <translation>%1 n&apos;est pas un code DCS de la radio (023 à 754)</translation>
    </message>
    <message>
        <source>%1 is no polarity (N or R for transmit, then for receive)</source>
        <translation>%1 n&apos;est pas une polarité (N ou R pour l&apos;émission, puis pour la réception)</translation>
    </message>
    <message>
        <source>%1 is no cross mode (Tone, DTCS or nothing on either side of -&gt;)</source>
        <translation>%1 n&apos;est pas un mode croisé (Tone, DTCS ou rien de chaque côté de -&gt;)</translation>
    </message>
    <message>
        <source>%1 is none of &quot;&quot;, &quot;Tone&quot;, &quot;TSQL&quot;, &quot;DTCS&quot;, &quot;Cross&quot;</source>
        <translation>%1 n&apos;est aucun de &quot;&quot;, &quot;Tone&quot;, &quot;TSQL&quot;, &quot;DTCS&quot;, &quot;Cross&quot;</translation>
    </message>
    <message>
        <source>%1 does not fit these radios (FM or NFM)</source>
        <translation>%1 ne convient pas à ces radios (FM ou NFM)</translation>
    </message>
    <message>
        <source>%1 is no power level (High, Low or watts such as 5.0W)</source>
        <translation>%1 n&apos;est pas un niveau de puissance (High, Low ou des watts comme 5.0W)</translation>
    </message>
    <message>
        <source>%1 is left out: the radio keeps no comments</source>
        <translation>%1 est omis : la radio ne conserve pas de commentaires</translation>
    </message>
    <message>
        <source>%1 is no column of the %2 list</source>
        <translation>%1 n&apos;est pas une colonne de la liste %2</translation>
    </message>
    <message>
        <source>%1 expected, the row ends</source>
        <translation>%1 attendu, la ligne s&apos;arrête</translation>
    </message>
    <message>
        <source>%1 expected, found %2</source>
        <translation>%1 attendu, %2 trouvé</translation>
    </message>
    <message>
        <source>%1 is no column of the generic layout</source>
        <translation>%1 n&apos;est pas une colonne de la disposition générique</translation>
    </message>
    <message>
        <source>%1 is in column %2 already</source>
        <translation>%1 est déjà en colonne %2</translation>
    </message>
    <message>
        <source>the generic layout holds RG, LMR and EXP channels, not %1 ones</source>
        <translation>la disposition générique contient des canaux RG, LMR et EXP, pas des canaux %1</translation>
    </message>
    <message>
        <source>the row is separated by &quot;%1&quot;, the header by &quot;%2&quot;</source>
        <translation>la ligne est séparée par &quot;%1&quot;, l&apos;en-tête par &quot;%2&quot;</translation>
    </message>
    <message>
        <source>missing; the row has %1 cells, the list %2</source>
        <translation>manquante ; la ligne a %1 cellules, la liste %2</translation>
    </message>
    <message>
        <source>the %1 list has %2 columns</source>
        <translation>la liste %1 a %2 colonnes</translation>
    </message>
    <message>
        <source>%1 is kept as %2</source>
        <translation>%1 est conservé comme %2</translation>
    </message>
    <message>
        <source>the radio would not keep %1 (it would hold %2)</source>
        <translation>la radio ne conserverait pas %1 (elle contiendrait %2)</translation>
    </message>
    <message>
        <source>%1 is no marine channel (00 to 119, or 1000 to 1099 and 2000 to 2099, and A or B after it)</source>
        <translation>%1 n&apos;est pas un canal marine (00 à 119, ou 1000 à 1099 et 2000 à 2099, suivi de A ou B)</translation>
    </message>
    <message>
        <source>the header names no column of the %1 list (%2, %3, ...) nor of the generic layout (Location, Name, Frequency, ...)</source>
        <translation>l&apos;en-tête ne nomme aucune colonne de la liste %1 (%2, %3, ...) ni de la disposition générique (Location, Name, Frequency, ...)</translation>
    </message>
    <message>
        <source>%1 is no channel of the %2 list (1 to %3)</source>
        <translation>%1 n&apos;est pas un canal de la liste %2 (1 à %3)</translation>
    </message>
    <message>
        <source>channel %1 is in row %2 already</source>
        <translation>le canal %1 est déjà en ligne %2</translation>
    </message>
    <message>
        <source>The %1 priority named no channel of the list before: it becomes Off.</source>
        <translation>La priorité %1 ne désignait aucun canal de la liste : elle passe à Désactivé.</translation>
    </message>
    <message>
        <source>The %1 priority channel %2 is not in the imported list: the priority becomes Off.</source>
        <translation>Le canal prioritaire %2 de %1 n&apos;est pas dans la liste importée : la priorité passe à Désactivé.</translation>
    </message>
    <message>
        <source>Write every block</source>
        <translation>Écrire chaque bloc</translation>
    </message>
    <message>
        <source>The radio&apos;s memory gives receive-only channels another mode; the data keep them receive-only:</source>
        <translation>La mémoire de la radio donne un autre mode à des canaux en réception seule ; les données les gardent en réception seule :</translation>
    </message>
    <message>
        <source>Program the radio to put it right.</source>
        <translation>Programmez la radio pour la corriger.</translation>
    </message>
    <message>
        <source>The radio no longer holds what it held when it was read: another radio, or its memory changed. Nothing was written. Program again to read it afresh.</source>
        <translation>La radio ne contient plus ce qu&apos;elle contenait à la lecture : une autre radio, ou sa mémoire a changé. Rien n&apos;a été écrit. Programmez à nouveau pour la relire.</translation>
    </message>
    <message>
        <source>[%1] %2=%3: %4</source>
        <translation>[%1] %2=%3 : %4</translation>
    </message>
    <message>
        <source>reading the radio into a backup: %1 blocks</source>
        <translation>lecture de la radio dans une sauvegarde : %1 blocs</translation>
    </message>
    <message>
        <source>reading the radio: %1 blocks</source>
        <translation>lecture de la radio : %1 blocs</translation>
    </message>
    <message>
        <source>writing %1 of %2 blocks</source>
        <translation>écriture de %1 blocs sur %2</translation>
    </message>
    <message>
        <source>reading back %1 blocks to verify</source>
        <translation>relecture de %1 blocs pour vérification</translation>
    </message>
    <message>
        <source>%1, %2 left</source>
        <translation>%1, reste %2</translation>
    </message>
    <message>
        <source>CH %1 was the %2 priority channel: the priority is now Off.</source>
        <translation>Le canal %1 était le canal prioritaire de %2 : la priorité est maintenant Désactivée.</translation>
    </message>
    <message>
        <source>Choose another priority channel under Available CH Group, or undo the delete (Edit &gt; Undo).</source>
        <translation>Choisissez un autre canal prioritaire sous Groupes de canaux disponibles, ou annulez la suppression (Édition &gt; Annuler).</translation>
    </message>
    <message>
        <source>Every block was sent to the radio, but the transfer broke off: the radio may not hold the last one.</source>
        <translation>Tous les blocs ont été envoyés à la radio, mais le transfert s&apos;est interrompu : la radio ne contient peut-être pas le dernier.</translation>
    </message>
</context>
<context>
    <name>Undo</name>
    <message>
        <source>Enable</source>
        <translation>Actif</translation>
    </message>
    <message>
        <source>Base CH</source>
        <translation>Canal de base</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>CH Number</source>
        <translation>Numéro de canal</translation>
    </message>
    <message>
        <source>RX Frequency</source>
        <translation>Fréquence de réception</translation>
    </message>
    <message>
        <source>TX Frequency</source>
        <translation>Fréquence d&apos;émission</translation>
    </message>
    <message>
        <source>TX Power</source>
        <translation>Puissance d&apos;émission</translation>
    </message>
    <message>
        <source>Low Power Only</source>
        <translation>Faible puissance uniquement</translation>
    </message>
    <message>
        <source>Power Up</source>
        <translation>Augmenter la puissance</translation>
    </message>
    <message>
        <source>Scan Memory</source>
        <translation>Mémoire de balayage</translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <translation>Largeur de bande</translation>
    </message>
    <message>
        <source>Compander</source>
        <translation>Compandeur</translation>
    </message>
    <message>
        <source>Scrambler</source>
        <translation>Brouilleur</translation>
    </message>
    <message>
        <source>Status No.</source>
        <translation>N° d&apos;état</translation>
    </message>
    <message>
        <source>Status Icon</source>
        <translation>Icône d&apos;état</translation>
    </message>
    <message>
        <source>Usable</source>
        <translation>Disponible</translation>
    </message>
    <message>
        <source>Priority CH</source>
        <translation>Canal prioritaire</translation>
    </message>
    <message>
        <source>Status Name</source>
        <translation>Nom d&apos;état</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Sauvegarde</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>%1 channel %2</source>
        <translation>canal %1 %2</translation>
    </message>
    <message>
        <source>Common Setup</source>
        <translation>Réglages communs</translation>
    </message>
    <message>
        <source>DSC Basic Setup</source>
        <translation>Réglages DSC de base</translation>
    </message>
    <message>
        <source>DSC Advanced Setup</source>
        <translation>Réglages DSC avancés</translation>
    </message>
    <message>
        <source>DSC Display Setup</source>
        <translation>Réglages d&apos;affichage DSC</translation>
    </message>
    <message>
        <source>Usable ATIS CH Group</source>
        <translation>Groupe de canaux ATIS utilisable</translation>
    </message>
    <message>
        <source>Usable ATIS Killer CH Group</source>
        <translation>Groupe de canaux ATIS killer utilisable</translation>
    </message>
    <message>
        <source>ATIS Code</source>
        <translation>Code ATIS</translation>
    </message>
    <message>
        <source>ATIS Call Sign %1</source>
        <translation>Indicatif ATIS %1</translation>
    </message>
    <message>
        <source>WX channel %1</source>
        <translation>canal WX %1</translation>
    </message>
    <message>
        <source>RG channel %1</source>
        <translation>canal RG %1</translation>
    </message>
    <message>
        <source>Individual Directory entry %1</source>
        <translation>Entrée %1 du répertoire individuel</translation>
    </message>
    <message>
        <source>Group Directory entry %1</source>
        <translation>Entrée %1 du répertoire de groupe</translation>
    </message>
    <message>
        <source>settings</source>
        <translation>réglages</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>Add %1</source>
        <translation>Ajout de %1</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>Suppression de %1</translation>
    </message>
</context>
<context>
    <name>kv::AboutDialog</name>
    <message>
        <source>About %1</source>
        <translation>À propos de %1</translation>
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
        <translation>Réglages ATIS</translation>
    </message>
    <message>
        <source>Call Sign</source>
        <translation>Indicatif</translation>
    </message>
    <message>
        <source>Usable ATIS CH Group</source>
        <translation>Groupe de canaux ATIS utilisable</translation>
    </message>
    <message>
        <source>Usable ATIS Killer CH Group</source>
        <translation>Groupe de canaux ATIS killer utilisable</translation>
    </message>
    <message>
        <source>ATIS Code</source>
        <translation>Code ATIS</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>MID</source>
        <translation>MID</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>MID %1</source>
        <translation>MID %1</translation>
    </message>
    <message>
        <source>Display %1</source>
        <translation>Affichage %1</translation>
    </message>
</context>
<context>
    <name>kv::ChannelEditorScreen</name>
    <message>
        <source>Enable</source>
        <translation>Actif</translation>
    </message>
    <message>
        <source>Low Power Only</source>
        <translation>Faible puissance uniquement</translation>
    </message>
    <message>
        <source>Power Up</source>
        <translation>Augmenter la puissance</translation>
    </message>
    <message>
        <source>Scan Memory</source>
        <translation>Mémoire de balayage</translation>
    </message>
    <message>
        <source>Compander</source>
        <translation>Compandeur</translation>
    </message>
    <message>
        <source>Wide</source>
        <translation>Large</translation>
    </message>
    <message>
        <source>Narrow</source>
        <translation>Étroite</translation>
    </message>
    <message>
        <source>Duplex</source>
        <translation>Duplex</translation>
    </message>
    <message>
        <source>CH Display</source>
        <translation>Affichage du canal</translation>
    </message>
    <message>
        <source>CH Name</source>
        <translation>Nom du canal</translation>
    </message>
    <message>
        <source>CH Group</source>
        <translation>Groupe de canaux</translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <translation>Largeur de bande</translation>
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
        <translation>Brouilleur</translation>
    </message>
    <message>
        <source>CH Display left</source>
        <translation>Affichage du canal, gauche</translation>
    </message>
    <message>
        <source>CH Display right</source>
        <translation>Affichage du canal, droite</translation>
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
        <translation>Canal RG %1</translation>
    </message>
    <message>
        <source>%1 Channel %2</source>
        <translation>Canal %1 %2</translation>
    </message>
</context>
<context>
    <name>kv::ChannelListScreen</name>
    <message>
        <source>RG Channel</source>
        <translation>Canaux RG</translation>
    </message>
    <message>
        <source>%1 Channel</source>
        <translation>Canaux %1</translation>
    </message>
</context>
<context>
    <name>kv::ChannelScreen</name>
    <message>
        <source>Paste %1 channels</source>
        <translation>Collage de canaux %1</translation>
    </message>
</context>
<context>
    <name>kv::CommonSetupScreen</name>
    <message>
        <source>Common Setup</source>
        <translation>Réglages communs</translation>
    </message>
</context>
<context>
    <name>kv::DevicePortSource</name>
    <message>
        <source>Simulated radio</source>
        <translation>Radio simulée</translation>
    </message>
</context>
<context>
    <name>kv::DialogBackupChooser</name>
    <message>
        <source>Restore from Backup</source>
        <translation>Restaurer depuis une sauvegarde</translation>
    </message>
    <message>
        <source>No backups yet: every read of a radio is kept here.</source>
        <translation>Aucune sauvegarde pour l&apos;instant : chaque lecture d&apos;une radio est conservée ici.</translation>
    </message>
    <message>
        <source>Every read of a radio is kept here, newest first:</source>
        <translation>Chaque lecture d&apos;une radio est conservée ici, la plus récente en premier :</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurer</translation>
    </message>
</context>
<context>
    <name>kv::FleetDialog</name>
    <message>
        <source>Programming</source>
        <translation>Programmation</translation>
    </message>
    <message>
        <source>The current data</source>
        <translation>Les données actuelles</translation>
    </message>
    <message>
        <source>A file:</source>
        <translation>Un fichier :</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Choisir...</translation>
    </message>
    <message>
        <source>Radios</source>
        <translation>Radios</translation>
    </message>
    <message>
        <source>No CSV loaded</source>
        <translation>Aucun CSV chargé</translation>
    </message>
    <message>
        <source>Load CSV...</source>
        <translation>Charger un CSV...</translation>
    </message>
    <message>
        <source>Ports</source>
        <translation>Ports</translation>
    </message>
    <message>
        <source>Back up each radio before programming</source>
        <translation>Sauvegarder chaque radio avant de la programmer</translation>
    </message>
    <message>
        <source>Verify after programming</source>
        <translation>Vérifier après la programmation</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Étiquette</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>State</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Save Log...</source>
        <translation>Enregistrer le journal...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>No serial port found</source>
        <translation>Aucun port série trouvé</translation>
    </message>
    <message>
        <source>dat files(*.dat)|*.dat|hex files(*.hex)|*.hex|All files(*.*)|*.*</source>
        <translation>Fichiers dat(*.dat)|*.dat|Fichiers hex(*.hex)|*.hex|Tous les fichiers(*.*)|*.*</translation>
    </message>
    <message>
        <source>csv files(*.csv)|*.csv|All files(*.*)|*.*</source>
        <translation>Fichiers csv(*.csv)|*.csv|Tous les fichiers(*.*)|*.*</translation>
    </message>
    <message>
        <source>Programming: %1.</source>
        <translation>Programmation : %1.</translation>
    </message>
    <message>
        <source>Programming...</source>
        <translation>Programmation en cours...</translation>
    </message>
    <message>
        <source>csv files(*.csv)|*.csv</source>
        <translation>Fichiers csv(*.csv)|*.csv</translation>
    </message>
</context>
<context>
    <name>kv::MainWindow</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>System language</source>
        <translation>Langue du système</translation>
    </message>
    <message>
        <source>dat files(*.dat)|*.dat|All files(*.*)|*.*</source>
        <translation>Fichiers dat(*.dat)|*.dat|Tous les fichiers(*.*)|*.*</translation>
    </message>
    <message>
        <source>PDF files(*.pdf)|*.pdf|All files(*.*)|*.*</source>
        <translation>Fichiers PDF(*.pdf)|*.pdf|Tous les fichiers(*.*)|*.*</translation>
    </message>
    <message>
        <source>csv files(*.csv)|*.csv|All files(*.*)|*.*</source>
        <translation>Fichiers csv(*.csv)|*.csv|Tous les fichiers(*.*)|*.*</translation>
    </message>
    <message>
        <source>Narrow bandwidth</source>
        <translation>Bande étroite</translation>
    </message>
    <message>
        <source>hex files(*.hex)|*.hex|All files(*.*)|*.*</source>
        <translation>Fichiers hex(*.hex)|*.hex|Tous les fichiers(*.*)|*.*</translation>
    </message>
    <message>
        <source>Screens</source>
        <translation>Écrans</translation>
    </message>
    <message>
        <source>Programmable Channel

Choose a channel list below this entry of the tree: the marine groups switched on in Available CH Group Setup, Weather (on models that have it) and RG Channel.</source>
        <translation>Canaux programmables

Choisissez une liste de canaux sous cette entrée de l&apos;arborescence : les groupes marine activés dans Groupes de canaux disponibles, Météo (sur les modèles qui l&apos;ont) et Canaux RG.</translation>
    </message>
    <message>
        <source>Import %1 channels</source>
        <translation>Import de canaux %1</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>Export PDF...</source>
        <translation>Exporter en PDF...</translation>
    </message>
    <message>
        <source>P&amp;rint to File</source>
        <translation>Imprimer dans un fic&amp;hier</translation>
    </message>
    <message>
        <source>Restore from &amp;Backup...</source>
        <translation>Restaurer depuis une sauve&amp;garde...</translation>
    </message>
    <message>
        <source>Recent &amp;Files</source>
        <translation>Fichiers &amp;récents</translation>
    </message>
    <message>
        <source>Export Channels (CSV)...</source>
        <translation>Exporter les canaux (CSV)...</translation>
    </message>
    <message>
        <source>Export Channels (Generic CSV)...</source>
        <translation>Exporter les canaux (CSV générique)...</translation>
    </message>
    <message>
        <source>Import Channels (CSV)...</source>
        <translation>Importer des canaux (CSV)...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Model</source>
        <translation>&amp;Modèle</translation>
    </message>
    <message>
        <source>&amp;Transfer</source>
        <translation>&amp;Transfert</translation>
    </message>
    <message>
        <source>&amp;Program to Radio</source>
        <translation>&amp;Programmer la radio</translation>
    </message>
    <message>
        <source>&amp;Read from Radio</source>
        <translation>&amp;Lire la radio</translation>
    </message>
    <message>
        <source>Program &amp;Fleet...</source>
        <translation>Programmer une &amp;flotte...</translation>
    </message>
    <message>
        <source>&amp;Region</source>
        <translation>&amp;Région</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;SerialPort</source>
        <translation>Port &amp;série</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barre d&apos;outils</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programmer</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Lire</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
</context>
<context>
    <name>kv::MarineGridScreen</name>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Canal</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Base CH</source>
        <translation>Canal de base</translation>
    </message>
    <message>
        <source>TX Power</source>
        <translation>Puissance d&apos;émission</translation>
    </message>
    <message>
        <source>Power Up</source>
        <translation>Augmenter la puissance</translation>
    </message>
    <message>
        <source>Status No.</source>
        <translation>N° d&apos;état</translation>
    </message>
    <message>
        <source>Status Icon</source>
        <translation>Icône d&apos;état</translation>
    </message>
    <message>
        <source>CH Name</source>
        <translation>Nom du canal</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>%1 Channel</source>
        <translation>Canaux %1</translation>
    </message>
    <message>
        <source>Delete %1 channels</source>
        <translation>Suppression de canaux %1</translation>
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
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Réessayer</translation>
    </message>
</context>
<context>
    <name>kv::ReportPreview</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
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
        <translation>Création du rapport en cours. Veuillez patienter...</translation>
    </message>
    <message>
        <source>Text files(*.txt)|*.txt|All files(*.*)|*.*</source>
        <translation>Fichiers texte(*.txt)|*.txt|Tous les fichiers(*.*)|*.*</translation>
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
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
</context>
<context>
    <name>kv::UndoHistory</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Annuler : %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rétablir : %1</translation>
    </message>
</context>
<context>
    <name>kv::UsableScreen</name>
    <message>
        <source>Available CH Group Setup</source>
        <translation>Groupes de canaux disponibles</translation>
    </message>
    <message>
        <source>Usable</source>
        <translation>Disponible</translation>
    </message>
    <message>
        <source>Priority CH</source>
        <translation>Canal prioritaire</translation>
    </message>
    <message>
        <source>TX TOT</source>
        <translation>TX TOT</translation>
    </message>
    <message>
        <source>Status Icon</source>
        <translation>Icône d&apos;état</translation>
    </message>
    <message>
        <source>Status Name</source>
        <translation>Nom d&apos;état</translation>
    </message>
    <message>
        <source>EXP CH Usable</source>
        <translation>Canaux EXP disponibles</translation>
    </message>
</context>
<context>
    <name>kv::WeatherScreen</name>
    <message>
        <source>Weather Channel</source>
        <translation>Canaux météo</translation>
    </message>
    <message>
        <source>CH</source>
        <translation>CH</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Actif</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Balayage</translation>
    </message>
    <message>
        <source>CH Name</source>
        <translation>Nom du canal</translation>
    </message>
    <message>
        <source>Enable %1</source>
        <translation>Actif %1</translation>
    </message>
    <message>
        <source>Scan %1</source>
        <translation>Balayage %1</translation>
    </message>
    <message>
        <source>CH Name %1</source>
        <translation>Nom du canal %1</translation>
    </message>
</context>
</TS>
