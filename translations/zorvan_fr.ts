<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>CommandLine</name>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Option inconnue « %1 ».</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Options inconnues : %1.</translation>
    </message>
    <message>
        <source>Flashes your own affirmations on the screen for a moment while you work.</source>
        <translation>Affiche vos propres affirmations un court instant à l’écran pendant que vous travaillez.</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Afficher cette aide.</translation>
    </message>
    <message>
        <source>Show the program&apos;s version.</source>
        <translation>Afficher la version du programme.</translation>
    </message>
    <message>
        <source>Keep the message files and goals in FOLDER.</source>
        <translation>Conserver les fichiers de messages et les objectifs dans DOSSIER.</translation>
    </message>
    <message>
        <source>Started with the desktop session: with &quot;Start at system tray&quot; on, only the notification icon appears.</source>
        <translation>Lancé avec la session : si « Démarrer réduit » est coché, seule l’icône de notification apparaît.</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for the options.</source>
        <translation>« %1 --help » affiche les options.</translation>
    </message>
    <message>
        <source>--data-dir needs a folder.</source>
        <translation>--data-dir attend un dossier.</translation>
    </message>
    <message>
        <source>Cannot use %1 as the data folder.</source>
        <translation>Impossible d’utiliser %1 comme dossier de données.</translation>
    </message>
</context>
<context>
    <name>DatePicker</name>
    <message>
        <source>January</source>
        <translation>janvier</translation>
    </message>
    <message>
        <source>February</source>
        <translation>février</translation>
    </message>
    <message>
        <source>March</source>
        <translation>mars</translation>
    </message>
    <message>
        <source>April</source>
        <translation>avril</translation>
    </message>
    <message>
        <source>May</source>
        <translation>mai</translation>
    </message>
    <message>
        <source>June</source>
        <translation>juin</translation>
    </message>
    <message>
        <source>July</source>
        <translation>juillet</translation>
    </message>
    <message>
        <source>August</source>
        <translation>août</translation>
    </message>
    <message>
        <source>September</source>
        <translation>septembre</translation>
    </message>
    <message>
        <source>October</source>
        <translation>octobre</translation>
    </message>
    <message>
        <source>November</source>
        <translation>novembre</translation>
    </message>
    <message>
        <source>December</source>
        <translation>décembre</translation>
    </message>
</context>
<context>
    <name>FlashWindow</name>
    <message>
        <source>Zorvan Subliminal Message Software v1.45</source>
        <translation>Zorvan Subliminal Message Software v1.45</translation>
    </message>
</context>
<context>
    <name>FontDialog</name>
    <message>
        <source>Black</source>
        <translation>Noir</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Bordeaux</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Olive</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Bleu marine</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Violet</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Bleu canard</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Gris</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Argent</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Vert clair</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Jaune</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>Fuchsia</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanc</translation>
    </message>
    <message>
        <source>Stri&amp;keout</source>
        <translation>&amp;Barré</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>&amp;Souligné</translation>
    </message>
    <message>
        <source>AaBbYyZz</source>
        <translation>AaBbYyZz</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>Regular</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Italique</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Gras</translation>
    </message>
    <message>
        <source>Bold Italic</source>
        <translation>Gras italique</translation>
    </message>
    <message>
        <source>Custom…</source>
        <translation>Autre couleur…</translation>
    </message>
    <message>
        <source>&amp;Font:</source>
        <translation>&amp;Police :</translation>
    </message>
    <message>
        <source>Font st&amp;yle:</source>
        <translation>St&amp;yle :</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Taille :</translation>
    </message>
    <message>
        <source>Effects</source>
        <translation>Effets</translation>
    </message>
    <message>
        <source>&amp;Color:</source>
        <translation>&amp;Couleur :</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personnalisée</translation>
    </message>
</context>
<context>
    <name>GoalEditor</name>
    <message>
        <source>Starting date can&apos;t be same or later than ending date.</source>
        <translation>La date de début ne peut pas être identique ou postérieure à la date de fin.</translation>
    </message>
    <message>
        <source>Goal name can&apos;t be blank.</source>
        <translation>Le nom de l’objectif ne peut pas être vide.</translation>
    </message>
    <message>
        <source>Dates kept as stored: %1 to %2</source>
        <translation>Dates conservées telles qu’enregistrées : du %1 au %2</translation>
    </message>
    <message>
        <source>Starting date kept as stored: %1</source>
        <translation>Date de début conservée telle qu’enregistrée : %1</translation>
    </message>
    <message>
        <source>Ending date kept as stored: %1</source>
        <translation>Date de fin conservée telle qu’enregistrée : %1</translation>
    </message>
    <message>
        <source>The goal file is too large to be rewritten safely:
%1

The change was not saved.</source>
        <translation>Le fichier des objectifs est trop volumineux pour être réécrit sans risque :
%1

La modification n’a pas été enregistrée.</translation>
    </message>
    <message>
        <source>The goal file could not be read whole, so it is not rewritten:
%1

The change was not saved.</source>
        <translation>Le fichier des objectifs n’a pas pu être lu en entier ; il n’est donc pas réécrit :
%1

La modification n’a pas été enregistrée.</translation>
    </message>
    <message>
        <source>The goal file could not be written:
%1

The change was not saved.</source>
        <translation>Le fichier des objectifs n’a pas pu être écrit :
%1

La modification n’a pas été enregistrée.</translation>
    </message>
</context>
<context>
    <name>GoalProgress</name>
    <message>
        <source>Your goal starting date has been set for the future</source>
        <translation>La date de début de votre objectif est dans le futur</translation>
    </message>
    <message>
        <source>You should have achieved %1%. You have actually achieved %2%</source>
        <translation>Vous devriez en être à %1 %. Vous en êtes en réalité à %2 %</translation>
    </message>
</context>
<context>
    <name>GoalsPage</name>
    <message>
        <source>Visit %1 now for news and more tools for a positive mind.</source>
        <translation>Nouveautés et outils pour un esprit positif : visitez %1.</translation>
    </message>
    <message>
        <source>It is important to set goals and targets to be able to see and measure your achievements. This seemingly small task will yield tremendous results, when taken seriously. Setting goals will help you keep a clear, focussed and dedicated mindset towards fulfilling your aims in life.</source>
        <translation>Se fixer des objectifs permet de voir et de mesurer ses progrès. Prise au sérieux, cette tâche en apparence modeste donne des résultats considérables. Des objectifs vous aident à garder un esprit clair, concentré et résolu pour atteindre vos buts dans la vie.</translation>
    </message>
    <message>
        <source>Goals</source>
        <translation>Objectifs</translation>
    </message>
    <message>
        <source>View Current Goals</source>
        <translation>Objectifs en cours</translation>
    </message>
    <message>
        <source>View Achieved Goals</source>
        <translation>Objectifs atteints</translation>
    </message>
    <message>
        <source>Set New Goals</source>
        <translation>Nouvel objectif</translation>
    </message>
    <message>
        <source>Delete Selected Goals</source>
        <translation>Supprimer la sélection</translation>
    </message>
    <message>
        <source>Mark Selected Goals As Achieved</source>
        <translation>Marquer comme atteints</translation>
    </message>
    <message>
        <source>The date lists offer the years %1 to %2. A stored date outside them stays as it is until you pick another.</source>
        <translation>Les listes de dates proposent les années %1 à %2. Une date enregistrée hors de cette plage reste telle quelle jusqu’à ce que vous en choisissiez une autre.</translation>
    </message>
    <message>
        <source>Name Of Goal</source>
        <translation>Nom de l’objectif</translation>
    </message>
    <message>
        <source>Description Of Goal</source>
        <translation>Description de l’objectif</translation>
    </message>
    <message>
        <source>Goal Starting Date:</source>
        <translation>Date de début :</translation>
    </message>
    <message>
        <source>Goal Ending Date:</source>
        <translation>Date de fin :</translation>
    </message>
    <message>
        <source>Goal Timer</source>
        <translation>Échéancier</translation>
    </message>
    <message>
        <source>Total Day(s) To Achieve Goal</source>
        <translation>Nombre total de jours pour l’objectif</translation>
    </message>
    <message>
        <source>Day(s) Remaining To Achieve Goal</source>
        <translation>Jours restants pour l’objectif</translation>
    </message>
    <message>
        <source>Select  Achieved Percentage Of Goal</source>
        <translation>Part de l’objectif déjà atteinte</translation>
    </message>
    <message>
        <source>Save Goal</source>
        <translation>Enregistrer</translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <source>E&amp;xit Program</source>
        <translation>&amp;Quitter le programme</translation>
    </message>
    <message>
        <source>Start Showing Subliminal Messages</source>
        <translation>Afficher les messages subliminaux</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>Faire un don</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Activité à domicile : créez votre commerce sur Internet et gagnez de l’argent en ligne. Ce logiciel aux couleurs de votre site : cliquez ici pour en savoir plus.</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Associez ce logiciel à votre site, pour plus de fidélité et de trafic : son nom et son lien ici (voir l’« Aide »). Cliquez ici pour en savoir plus sur le co-marquage.</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Afficher</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;My Personal Goal</source>
        <translation>&amp;Mes objectifs personnels</translation>
    </message>
    <message>
        <source>&amp;Programs</source>
        <translation>&amp;Programmes</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Réglages</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Aide en ligne</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>Visiter notre &amp;site</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Rechercher une &amp;mise à jour</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>À &amp;propos du logiciel</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>Faire un &amp;don</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>&amp;Gagner de l’argent en ligne</translation>
    </message>
</context>
<context>
    <name>MessageFileEditor</name>
    <message>
        <source>No message file could be made in %1.</source>
        <translation>Impossible de créer un fichier de messages dans %1.</translation>
    </message>
    <message>
        <source>Messages of &quot;%1&quot;</source>
        <translation>Messages de « %1 »</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read, so its messages cannot be shown or changed.</source>
        <translation>« %1 » n’a pas pu être lu : ses messages ne peuvent être ni affichés ni modifiés.</translation>
    </message>
</context>
<context>
    <name>OptionsControl</name>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>&amp;Options…</source>
        <translation>&amp;Options…</translation>
    </message>
    <message>
        <source>15 &amp;minutes</source>
        <translation>15 &amp;minutes</translation>
    </message>
    <message>
        <source>1 &amp;hour</source>
        <translation>1 &amp;heure</translation>
    </message>
    <message>
        <source>Until &amp;tomorrow</source>
        <translation>Jusqu’à &amp;demain</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>&amp;Reprendre</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Arrêter</translation>
    </message>
    <message>
        <source>&amp;Start Showing Subliminal Messages</source>
        <translation>&amp;Afficher les messages subliminaux</translation>
    </message>
    <message>
        <source>Stop (paused until %1)</source>
        <translation>Arrêter (pause jusqu’à %1)</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Always show the notification &amp;icon</source>
        <translation>Toujours afficher l’&amp;icône de notification</translation>
    </message>
    <message>
        <source>&amp;Don&apos;t show messages over full-screen windows</source>
        <translation>&amp;Ne pas afficher de messages sur un plein écran</translation>
    </message>
    <message>
        <source>Show messages only &amp;between</source>
        <translation>Afficher les messages seulement en&amp;tre</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Keep the program&apos;s icon in the notification area also while its window is shown, so that its menu is always at hand.</source>
        <translation>L’icône du programme reste dans la zone de notification même quand sa fenêtre est affichée, pour que son menu soit toujours à portée de main.</translation>
    </message>
    <message>
        <source>Notification Icon</source>
        <translation>Icône de notification</translation>
    </message>
    <message>
        <source>While a film, a presentation or a game fills the screen, messages that fall due are left out.</source>
        <translation>Tant qu’un film, une présentation ou un jeu occupe tout l’écran, les messages prévus sont omis.</translation>
    </message>
    <message>
        <source>Do Not Disturb</source>
        <translation>Ne pas déranger</translation>
    </message>
    <message>
        <source>The screen, or screens, on which the messages appear.</source>
        <translation>L’écran ou les écrans sur lesquels les messages apparaissent.</translation>
    </message>
    <message>
        <source>Sho&amp;w messages on:</source>
        <translation>Affic&amp;her les messages sur :</translation>
    </message>
    <message>
        <source>Screens</source>
        <translation>Écrans</translation>
    </message>
    <message>
        <source>Show messages only between these times of day and on the days checked below. An end before the start runs past midnight; an end equal to the start is the whole day.</source>
        <translation>N’afficher les messages qu’entre ces heures et les jours cochés ci-dessous. Une fin avant le début passe minuit ; une fin égale au début couvre toute la journée.</translation>
    </message>
    <message>
        <source>The time of day from which messages are shown.</source>
        <translation>L’heure à partir de laquelle les messages s’affichent.</translation>
    </message>
    <message>
        <source>The time of day at which messages stop.</source>
        <translation>L’heure à laquelle les messages s’arrêtent.</translation>
    </message>
    <message>
        <source>a&amp;nd</source>
        <translation>&amp;et</translation>
    </message>
    <message>
        <source>&amp;Mon</source>
        <translation>&amp;Lun</translation>
    </message>
    <message>
        <source>&amp;Tue</source>
        <translation>&amp;Mar</translation>
    </message>
    <message>
        <source>W&amp;ed</source>
        <translation>Me&amp;r</translation>
    </message>
    <message>
        <source>T&amp;hu</source>
        <translation>&amp;Jeu</translation>
    </message>
    <message>
        <source>&amp;Fri</source>
        <translation>&amp;Ven</translation>
    </message>
    <message>
        <source>&amp;Sat</source>
        <translation>&amp;Sam</translation>
    </message>
    <message>
        <source>S&amp;un</source>
        <translation>&amp;Dim</translation>
    </message>
    <message>
        <source>Show messages on %1.</source>
        <translation>Afficher les messages le %1.</translation>
    </message>
    <message>
        <source>Active Hours</source>
        <translation>Heures actives</translation>
    </message>
    <message>
        <source>How many messages were shown, from each message file and from all together.</source>
        <translation>Combien de messages ont été affichés, par fichier de messages et au total.</translation>
    </message>
    <message>
        <source>Mess&amp;ages shown:</source>
        <translation>Messages &amp;affichés :</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>Primary screen</source>
        <translation>Écran principal</translation>
    </message>
    <message>
        <source>Every screen</source>
        <translation>Tous les écrans</translation>
    </message>
    <message>
        <source>The screen with the mouse pointer</source>
        <translation>L’écran où se trouve le pointeur</translation>
    </message>
    <message>
        <source>Screen %1</source>
        <translation>Écran %1</translation>
    </message>
    <message>
        <source>Screen %1 (not connected: the primary screen meanwhile)</source>
        <translation>Écran %1 (non branché : l’écran principal en attendant)</translation>
    </message>
    <message>
        <source>Message file</source>
        <translation>Fichier de messages</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Aujourd’hui</translation>
    </message>
    <message>
        <source>Last 7 days</source>
        <translation>7 derniers jours</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>All message files</source>
        <translation>Tous les fichiers</translation>
    </message>
</context>
<context>
    <name>PlainTextList</name>
    <message>
        <source>%1 cannot be read.</source>
        <translation>Impossible de lire %1.</translation>
    </message>
    <message>
        <source>%1 is 64 MiB or bigger: too big for a list of messages.</source>
        <translation>%1 fait 64 Mio ou plus : c’est trop pour une liste de messages.</translation>
    </message>
    <message>
        <source>%1 is not a text file. A list to import holds one message a line.</source>
        <translation>%1 n’est pas un fichier texte. Une liste à importer contient un message par ligne.</translation>
    </message>
    <message>
        <source>%1 holds no messages: it is empty, or its lines are blank.</source>
        <translation>%1 ne contient aucun message : le fichier est vide ou ses lignes le sont.</translation>
    </message>
    <message>
        <source>%1 could not be written (%2). Nothing was saved.</source>
        <translation>Impossible d’écrire %1 (%2). Rien n’a été enregistré.</translation>
    </message>
</context>
<context>
    <name>ProgramsPage</name>
    <message>
        <source>Visit %1 now for news and more tools for a positive mind.</source>
        <translation>Nouveautés et outils pour un esprit positif : visitez %1.</translation>
    </message>
    <message>
        <source>Programs</source>
        <translation>Programmes</translation>
    </message>
    <message>
        <source>&amp;Create</source>
        <translation>&amp;Créer</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Fichiers</translation>
    </message>
    <message>
        <source>&amp;Import…</source>
        <translation>&amp;Importer…</translation>
    </message>
    <message>
        <source>Ex&amp;port…</source>
        <translation>E&amp;xporter…</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Messages</translation>
    </message>
    <message>
        <source>E&amp;dit</source>
        <translation>&amp;Modifier</translation>
    </message>
    <message>
        <source>&amp;Add New</source>
        <translation>A&amp;jouter</translation>
    </message>
    <message>
        <source>D&amp;elete</source>
        <translation>&amp;Effacer</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Makes a new message file of a text file, one message a line.</source>
        <translation>Crée un nouveau fichier de messages à partir d’un fichier texte, un message par ligne.</translation>
    </message>
    <message>
        <source>Saves the messages of the file shown as a text file, one message a line.</source>
        <translation>Enregistre les messages du fichier affiché dans un fichier texte, un message par ligne.</translation>
    </message>
    <message>
        <source>Import Messages</source>
        <translation>Importer des messages</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>Fichiers texte (*.txt);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Export Messages</source>
        <translation>Exporter les messages</translation>
    </message>
    <message>
        <source>Please Enter Only Characters</source>
        <translation>Veuillez n’entrer que des lettres, des chiffres et des espaces</translation>
    </message>
</context>
<context>
    <name>SettingsPage</name>
    <message>
        <source>Message Frequency</source>
        <translation>Fréquence des messages</translation>
    </message>
    <message>
        <source>Message Display Order</source>
        <translation>Ordre d’affichage</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Aléatoire</translation>
    </message>
    <message>
        <source>As Written</source>
        <translation>Dans l’ordre écrit</translation>
    </message>
    <message>
        <source>Message Location</source>
        <translation>Position des messages</translation>
    </message>
    <message>
        <source>Randomly on the Screen</source>
        <translation>N’importe où à l’écran</translation>
    </message>
    <message>
        <source>Centre of the Screen</source>
        <translation>Au centre de l’écran</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>Run on Windows Start-Up</source>
        <translation>Lancer au démarrage de Windows</translation>
    </message>
    <message>
        <source>Run at start-up</source>
        <translation>Lancer</translation>
    </message>
    <message>
        <source>Don&apos;t run at start-up</source>
        <translation>Ne pas lancer</translation>
    </message>
    <message>
        <source>Start at system tray</source>
        <translation>Démarrer réduit</translation>
    </message>
    <message>
        <source>Start Showing Subliminal Messages</source>
        <translation>Afficher les messages subliminaux</translation>
    </message>
    <message>
        <source>O&amp;ptions…</source>
        <translation>&amp;Options…</translation>
    </message>
    <message>
        <source>Visit %1 now for news and more tools for a positive mind.</source>
        <translation>Nouveautés et outils pour un esprit positif : visitez %1.</translation>
    </message>
    <message>
        <source>Below you can set the interval between each message and duration for which each message is displayed.</source>
        <translation>Réglez ci-dessous l’intervalle entre deux messages et la durée d’affichage de chacun.</translation>
    </message>
    <message>
        <source>Display every</source>
        <translation>Afficher toutes les</translation>
    </message>
    <message>
        <source>Sec</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Display for</source>
        <translation>Afficher pendant</translation>
    </message>
    <message>
        <source>MilliSec</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>This is a very important setting. Remember that if you want to get the most benefit from this program then you must have it running at all times.</source>
        <translation>Ce réglage est très important. N’oubliez pas que pour tirer le meilleur parti de ce programme, il doit fonctionner en permanence.</translation>
    </message>
    <message>
        <source>It is also important that you keep your goals in mind, hence starting in system tray will be a deterrent to those goals.</source>
        <translation>Il est aussi important de garder vos objectifs à l’esprit ; démarrer dans la zone de notification nuit donc à ces objectifs.</translation>
    </message>
    <message>
        <source>The notification icon, do not disturb, screens, active hours and the statistics of the messages shown.</source>
        <translation>Icône de notification, ne pas déranger, écrans, heures actives et statistiques des messages affichés.</translation>
    </message>
</context>
<context>
    <name>StartupEntry</name>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 n’est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>It is left alone: the program does not start with the session.</source>
        <translation>Il n’est pas modifié : le programme ne démarre pas avec la session.</translation>
    </message>
</context>
<context>
    <name>StartupOptions</name>
    <message>
        <source>Error %1 opening key
%2</source>
        <translation>Erreur %1 à l’ouverture de la clé
%2</translation>
    </message>
    <message>
        <source>Error %1 setting key
%2</source>
        <translation>Erreur %1 à l’écriture de la clé
%2</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <source>Recent</source>
        <translation>Récent</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation>Une mise à jour de ce logiciel est peut-être disponible.<byte value="xd"/>Voulez-vous la rechercher ?</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Click here to visit %1</source>
        <translation>Cliquez ici pour visiter %1</translation>
    </message>
    <message>
        <source>Click here for more details.</source>
        <translation>Cliquez ici pour en savoir plus.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Zorvan Subliminal Message Software is a special software that aims to reach out to your subconscious mind and help develop a positive mind set. Subliminal messages also increase your self-confidence and self-esteem thus making your goals achievable. This program helps you achieve this by displaying unobtrusive messages on your PC from time to time.</source>
        <translation>Zorvan Subliminal Message Software est un logiciel particulier qui s’adresse à votre subconscient pour vous aider à adopter un état d’esprit positif. Les messages subliminaux renforcent aussi votre confiance et votre estime de vous-même, ce qui rend vos objectifs atteignables. Pour cela, ce programme affiche de temps à autre des messages discrets sur votre ordinateur.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Une activité à domicile : lancez votre propre commerce sur Internet et gagnez de l’argent en ligne. Obtenez ce logiciel entièrement à l’image de votre site.</translation>
    </message>
</context>
<context>
    <name>frmAll</name>
    <message>
        <source>My Personal Goals</source>
        <translation>Mes objectifs personnels</translation>
    </message>
    <message>
        <source>Programs</source>
        <translation>Programmes</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>%1 is not a regular file, so the settings can neither be read from it nor saved into it. The program goes on with its default settings.</source>
        <translation>%1 n’est pas un fichier ordinaire : les réglages ne peuvent donc ni y être lus ni y être enregistrés. Le programme continue avec ses réglages par défaut.</translation>
    </message>
    <message>
        <source>The program cannot tell whether another copy of it is running. If one is, end one of them: both would write the same files.</source>
        <translation>Le programme ne peut pas savoir si une autre copie de lui-même est en cours d’exécution. Si c’est le cas, fermez l’une des deux : elles écriraient dans les mêmes fichiers.</translation>
    </message>
    <message>
        <source>Another copy of the program seems to be running (process %1), but it does not answer. End it, or wait until it answers, and start the program again.</source>
        <translation>Une autre copie du programme semble en cours d’exécution (processus %1), mais elle ne répond pas. Fermez-la, ou attendez qu’elle réponde, puis relancez le programme.</translation>
    </message>
    <message>
        <source>Another copy of the program seems to be running, but it does not answer. End it, or wait until it answers, and start the program again.</source>
        <translation>Une autre copie du programme semble en cours d’exécution, mais elle ne répond pas. Fermez-la, ou attendez qu’elle réponde, puis relancez le programme.</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Start Showing Subliminal Messages</source>
        <translation>Afficher les messages subliminaux</translation>
    </message>
    <message>
        <source>Are you sure you want to quit?<byte value="xd"/>If you quit then Subliminal Messages will no be shown</source>
        <translation>Voulez-vous vraiment quitter ?<byte value="xd"/>Les messages subliminaux ne seront alors plus affichés.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>No display could be opened (%1).</source>
        <translation>Impossible d’ouvrir un affichage (%1).</translation>
    </message>
</context>
<context>
    <name>modHelp</name>
    <message>
        <source>No program to open the help with was found. The help is on the web at
%1</source>
        <translation>Aucun programme pour ouvrir l’aide n’a été trouvé. L’aide se trouve sur le Web à l’adresse
%1</translation>
    </message>
    <message>
        <source>No program to open the help with was found. The user manual is the file
%1
Open it in a web browser.</source>
        <translation>Aucun programme pour ouvrir l’aide n’a été trouvé. Le manuel est le fichier
%1
Ouvrez-le dans un navigateur web.</translation>
    </message>
</context>
</TS>
