<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
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
        <translation>%1 est actif mais n&apos;a pas de numéro de canal (CH Display). Saisissez-le, décochez Actif, ou annulez la modification.</translation>
    </message>
    <message>
        <source>%1 is enabled but has no receive frequency (RX[MHz]) and no channel number (CH Display). Enter them, untick Enable, or undo.</source>
        <translation>%1 est actif mais n&apos;a ni fréquence de réception (RX[MHz]) ni numéro de canal (CH Display). Saisissez-les, décochez Actif, ou annulez la modification.</translation>
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
    <name>kv::MainWindow</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>System language</source>
        <translation>Langue du système</translation>
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
</TS>
