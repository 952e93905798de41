<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>CommandLine</name>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Unbekannte Option „%1“.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Unbekannte Optionen: %1.</translation>
    </message>
    <message>
        <source>Flashes your own affirmations on the screen for a moment while you work.</source>
        <translation>Blendet Ihre eigenen Affirmationen für einen Augenblick auf dem Bildschirm ein, während Sie arbeiten.</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Diese Hilfe anzeigen.</translation>
    </message>
    <message>
        <source>Show the program&apos;s version.</source>
        <translation>Die Version des Programms anzeigen.</translation>
    </message>
    <message>
        <source>Keep the message files and goals in FOLDER.</source>
        <translation>Botschaftsdateien und Ziele in ORDNER ablegen.</translation>
    </message>
    <message>
        <source>Started with the desktop session: with &quot;Start at system tray&quot; on, only the notification icon appears.</source>
        <translation>Mit der Sitzung gestartet: Ist „Minimiert starten“ eingeschaltet, erscheint nur das Symbol im Infobereich.</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for the options.</source>
        <translation>„%1 --help“ zeigt die Optionen.</translation>
    </message>
    <message>
        <source>--data-dir needs a folder.</source>
        <translation>--data-dir braucht einen Ordner.</translation>
    </message>
    <message>
        <source>Cannot use %1 as the data folder.</source>
        <translation>%1 kann nicht als Datenordner verwendet werden.</translation>
    </message>
</context>
<context>
    <name>DatePicker</name>
    <message>
        <source>January</source>
        <translation>Januar</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Februar</translation>
    </message>
    <message>
        <source>March</source>
        <translation>März</translation>
    </message>
    <message>
        <source>April</source>
        <translation>April</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mai</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Juni</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Juli</translation>
    </message>
    <message>
        <source>August</source>
        <translation>August</translation>
    </message>
    <message>
        <source>September</source>
        <translation>September</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Oktober</translation>
    </message>
    <message>
        <source>November</source>
        <translation>November</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Dezember</translation>
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
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Kastanienbraun</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Oliv</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Marineblau</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Violett</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Blaugrün</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Grau</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Silber</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Hellgrün</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>Stri&amp;keout</source>
        <translation>&amp;Durchgestrichen</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>&amp;Unterstrichen</translation>
    </message>
    <message>
        <source>AaBbYyZz</source>
        <translation>AaBbYyZz</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Schriftart</translation>
    </message>
    <message>
        <source>Regular</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Kursiv</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Fett</translation>
    </message>
    <message>
        <source>Bold Italic</source>
        <translation>Fett kursiv</translation>
    </message>
    <message>
        <source>Custom…</source>
        <translation>Eigene Farbe…</translation>
    </message>
    <message>
        <source>&amp;Font:</source>
        <translation>Schrift&amp;art:</translation>
    </message>
    <message>
        <source>Font st&amp;yle:</source>
        <translation>Schrift&amp;schnitt:</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Größe:</translation>
    </message>
    <message>
        <source>Effects</source>
        <translation>Effekte</translation>
    </message>
    <message>
        <source>&amp;Color:</source>
        <translation>&amp;Farbe:</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Beispiel</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Eigene</translation>
    </message>
</context>
<context>
    <name>GoalEditor</name>
    <message>
        <source>Starting date can&apos;t be same or later than ending date.</source>
        <translation>Das Anfangsdatum darf nicht gleich dem Enddatum sein oder danach liegen.</translation>
    </message>
    <message>
        <source>Goal name can&apos;t be blank.</source>
        <translation>Das Ziel braucht einen Namen.</translation>
    </message>
    <message>
        <source>Dates kept as stored: %1 to %2</source>
        <translation>Daten wie gespeichert beibehalten: %1 bis %2</translation>
    </message>
    <message>
        <source>Starting date kept as stored: %1</source>
        <translation>Anfangsdatum wie gespeichert beibehalten: %1</translation>
    </message>
    <message>
        <source>Ending date kept as stored: %1</source>
        <translation>Enddatum wie gespeichert beibehalten: %1</translation>
    </message>
    <message>
        <source>The goal file is too large to be rewritten safely:
%1

The change was not saved.</source>
        <translation>Die Zieldatei ist zu groß, um sicher neu geschrieben zu werden:
%1

Die Änderung wurde nicht gespeichert.</translation>
    </message>
    <message>
        <source>The goal file could not be read whole, so it is not rewritten:
%1

The change was not saved.</source>
        <translation>Die Zieldatei konnte nicht vollständig gelesen werden und wird deshalb nicht neu geschrieben:
%1

Die Änderung wurde nicht gespeichert.</translation>
    </message>
    <message>
        <source>The goal file could not be written:
%1

The change was not saved.</source>
        <translation>Die Zieldatei konnte nicht geschrieben werden:
%1

Die Änderung wurde nicht gespeichert.</translation>
    </message>
</context>
<context>
    <name>GoalProgress</name>
    <message>
        <source>Your goal starting date has been set for the future</source>
        <translation>Das Anfangsdatum Ihres Ziels liegt in der Zukunft</translation>
    </message>
    <message>
        <source>You should have achieved %1%. You have actually achieved %2%</source>
        <translation>Sie sollten %1 % erreicht haben. Tatsächlich erreicht haben Sie %2 %</translation>
    </message>
</context>
<context>
    <name>GoalsPage</name>
    <message>
        <source>Visit %1 now for news and more tools for a positive mind.</source>
        <translation>Jetzt %1 besuchen: Neues und mehr Hilfen für positives Denken.</translation>
    </message>
    <message>
        <source>It is important to set goals and targets to be able to see and measure your achievements. This seemingly small task will yield tremendous results, when taken seriously. Setting goals will help you keep a clear, focussed and dedicated mindset towards fulfilling your aims in life.</source>
        <translation>Es ist wichtig, sich Ziele zu setzen, um die eigenen Erfolge sehen und messen zu können. Diese scheinbar kleine Aufgabe bringt, ernsthaft betrieben, enorme Ergebnisse. Ziele helfen Ihnen, klar, konzentriert und entschlossen auf das hinzuarbeiten, was Sie im Leben erreichen wollen.</translation>
    </message>
    <message>
        <source>Goals</source>
        <translation>Ziele</translation>
    </message>
    <message>
        <source>View Current Goals</source>
        <translation>Aktuelle Ziele</translation>
    </message>
    <message>
        <source>View Achieved Goals</source>
        <translation>Erreichte Ziele</translation>
    </message>
    <message>
        <source>Set New Goals</source>
        <translation>Neues Ziel</translation>
    </message>
    <message>
        <source>Delete Selected Goals</source>
        <translation>Auswahl löschen</translation>
    </message>
    <message>
        <source>Mark Selected Goals As Achieved</source>
        <translation>Auswahl als erreicht markieren</translation>
    </message>
    <message>
        <source>The date lists offer the years %1 to %2. A stored date outside them stays as it is until you pick another.</source>
        <translation>Die Datumslisten bieten die Jahre %1 bis %2. Ein gespeichertes Datum außerhalb davon bleibt, wie es ist, bis Sie ein anderes wählen.</translation>
    </message>
    <message>
        <source>Name Of Goal</source>
        <translation>Name des Ziels</translation>
    </message>
    <message>
        <source>Description Of Goal</source>
        <translation>Beschreibung des Ziels</translation>
    </message>
    <message>
        <source>Goal Starting Date:</source>
        <translation>Anfangsdatum:</translation>
    </message>
    <message>
        <source>Goal Ending Date:</source>
        <translation>Enddatum:</translation>
    </message>
    <message>
        <source>Goal Timer</source>
        <translation>Zeitplan</translation>
    </message>
    <message>
        <source>Total Day(s) To Achieve Goal</source>
        <translation>Tage insgesamt bis zum Ziel</translation>
    </message>
    <message>
        <source>Day(s) Remaining To Achieve Goal</source>
        <translation>Verbleibende Tage bis zum Ziel</translation>
    </message>
    <message>
        <source>Select  Achieved Percentage Of Goal</source>
        <translation>Erreichten Anteil des Ziels wählen</translation>
    </message>
    <message>
        <source>Save Goal</source>
        <translation>Ziel speichern</translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <source>E&amp;xit Program</source>
        <translation>Programm &amp;beenden</translation>
    </message>
    <message>
        <source>Start Showing Subliminal Messages</source>
        <translation>Unterschwellige Botschaften zeigen</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>Spenden</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Geschäftsidee für zu Hause: Gründen Sie Ihr eigenes Internetgeschäft und verdienen Sie online Geld. Erhalten Sie diese Software ganz im Design Ihrer Website. Klicken Sie hier für mehr Informationen.</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Diese Software mit Ihrer Website verbinden: Hier stehen dann Name und Link Ihrer Website, für mehr Treue und Besucher. Einzelheiten unter „Hilfe“. Hier klicken für mehr zum Co-Branding.</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;My Personal Goal</source>
        <translation>&amp;Meine persönlichen Ziele</translation>
    </message>
    <message>
        <source>&amp;Programs</source>
        <translation>&amp;Programme</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Online-Hilfe</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>Unsere &amp;Website besuchen</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Nach &amp;Updates suchen</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>Ü&amp;ber das Programm</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Spenden</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>&amp;Geld verdienen</translation>
    </message>
</context>
<context>
    <name>MessageFileEditor</name>
    <message>
        <source>No message file could be made in %1.</source>
        <translation>In %1 konnte keine Botschaftsdatei angelegt werden.</translation>
    </message>
    <message>
        <source>Messages of &quot;%1&quot;</source>
        <translation>Botschaften aus „%1“</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read, so its messages cannot be shown or changed.</source>
        <translation>„%1“ konnte nicht gelesen werden; seine Botschaften lassen sich weder anzeigen noch ändern.</translation>
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
        <translation>&amp;Optionen…</translation>
    </message>
    <message>
        <source>15 &amp;minutes</source>
        <translation>15 &amp;Minuten</translation>
    </message>
    <message>
        <source>1 &amp;hour</source>
        <translation>1 &amp;Stunde</translation>
    </message>
    <message>
        <source>Until &amp;tomorrow</source>
        <translation>Bis mor&amp;gen</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>&amp;Fortsetzen</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Anhalten</translation>
    </message>
    <message>
        <source>&amp;Start Showing Subliminal Messages</source>
        <translation>&amp;Unterschwellige Botschaften zeigen</translation>
    </message>
    <message>
        <source>Stop (paused until %1)</source>
        <translation>Anhalten (Pause bis %1)</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Anhalten</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Always show the notification &amp;icon</source>
        <translation>Symbol im Info&amp;bereich immer zeigen</translation>
    </message>
    <message>
        <source>&amp;Don&apos;t show messages over full-screen windows</source>
        <translation>&amp;Keine Botschaften über Vollbildfenstern</translation>
    </message>
    <message>
        <source>Show messages only &amp;between</source>
        <translation>Botschaften nur &amp;zwischen</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Keep the program&apos;s icon in the notification area also while its window is shown, so that its menu is always at hand.</source>
        <translation>Das Symbol des Programms bleibt auch bei geöffnetem Fenster im Infobereich, damit sein Menü immer zur Hand ist.</translation>
    </message>
    <message>
        <source>Notification Icon</source>
        <translation>Symbol im Infobereich</translation>
    </message>
    <message>
        <source>While a film, a presentation or a game fills the screen, messages that fall due are left out.</source>
        <translation>Solange ein Film, eine Präsentation oder ein Spiel den Bildschirm füllt, entfallen fällige Botschaften.</translation>
    </message>
    <message>
        <source>Do Not Disturb</source>
        <translation>Nicht stören</translation>
    </message>
    <message>
        <source>The screen, or screens, on which the messages appear.</source>
        <translation>Der Bildschirm oder die Bildschirme, auf denen die Botschaften erscheinen.</translation>
    </message>
    <message>
        <source>Sho&amp;w messages on:</source>
        <translation>Botschaften zeigen a&amp;uf:</translation>
    </message>
    <message>
        <source>Screens</source>
        <translation>Bildschirme</translation>
    </message>
    <message>
        <source>Show messages only between these times of day and on the days checked below. An end before the start runs past midnight; an end equal to the start is the whole day.</source>
        <translation>Botschaften nur zwischen diesen Uhrzeiten und an den unten angekreuzten Tagen zeigen. Ein Ende vor dem Beginn reicht über Mitternacht hinaus; ein Ende gleich dem Beginn umfasst den ganzen Tag.</translation>
    </message>
    <message>
        <source>The time of day from which messages are shown.</source>
        <translation>Die Uhrzeit, ab der Botschaften gezeigt werden.</translation>
    </message>
    <message>
        <source>The time of day at which messages stop.</source>
        <translation>Die Uhrzeit, zu der die Botschaften aufhören.</translation>
    </message>
    <message>
        <source>a&amp;nd</source>
        <translation>u&amp;nd</translation>
    </message>
    <message>
        <source>&amp;Mon</source>
        <translation>&amp;Mo</translation>
    </message>
    <message>
        <source>&amp;Tue</source>
        <translation>&amp;Di</translation>
    </message>
    <message>
        <source>W&amp;ed</source>
        <translation>M&amp;i</translation>
    </message>
    <message>
        <source>T&amp;hu</source>
        <translation>D&amp;o</translation>
    </message>
    <message>
        <source>&amp;Fri</source>
        <translation>&amp;Fr</translation>
    </message>
    <message>
        <source>&amp;Sat</source>
        <translation>S&amp;a</translation>
    </message>
    <message>
        <source>S&amp;un</source>
        <translation>&amp;So</translation>
    </message>
    <message>
        <source>Show messages on %1.</source>
        <translation>Botschaften am %1 zeigen.</translation>
    </message>
    <message>
        <source>Active Hours</source>
        <translation>Aktive Zeiten</translation>
    </message>
    <message>
        <source>How many messages were shown, from each message file and from all together.</source>
        <translation>Wie viele Botschaften gezeigt wurden, aus jeder Botschaftsdatei und aus allen zusammen.</translation>
    </message>
    <message>
        <source>Mess&amp;ages shown:</source>
        <translation>&amp;Gezeigte Botschaften:</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Primary screen</source>
        <translation>Hauptbildschirm</translation>
    </message>
    <message>
        <source>Every screen</source>
        <translation>Alle Bildschirme</translation>
    </message>
    <message>
        <source>The screen with the mouse pointer</source>
        <translation>Bildschirm mit dem Mauszeiger</translation>
    </message>
    <message>
        <source>Screen %1</source>
        <translation>Bildschirm %1</translation>
    </message>
    <message>
        <source>Screen %1 (not connected: the primary screen meanwhile)</source>
        <translation>Bildschirm %1 (nicht angeschlossen: solange der Hauptbildschirm)</translation>
    </message>
    <message>
        <source>Message file</source>
        <translation>Botschaftsdatei</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Heute</translation>
    </message>
    <message>
        <source>Last 7 days</source>
        <translation>Letzte 7 Tage</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Insgesamt</translation>
    </message>
    <message>
        <source>All message files</source>
        <translation>Alle Botschaftsdateien</translation>
    </message>
</context>
<context>
    <name>PlainTextList</name>
    <message>
        <source>%1 cannot be read.</source>
        <translation>%1 kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>%1 is 64 MiB or bigger: too big for a list of messages.</source>
        <translation>%1 ist 64 MiB groß oder größer: zu groß für eine Liste von Botschaften.</translation>
    </message>
    <message>
        <source>%1 is not a text file. A list to import holds one message a line.</source>
        <translation>%1 ist keine Textdatei. Eine Liste zum Importieren enthält eine Botschaft pro Zeile.</translation>
    </message>
    <message>
        <source>%1 holds no messages: it is empty, or its lines are blank.</source>
        <translation>%1 enthält keine Botschaften: Die Datei ist leer oder ihre Zeilen sind es.</translation>
    </message>
    <message>
        <source>%1 could not be written (%2). Nothing was saved.</source>
        <translation>%1 konnte nicht geschrieben werden (%2). Es wurde nichts gespeichert.</translation>
    </message>
</context>
<context>
    <name>ProgramsPage</name>
    <message>
        <source>Visit %1 now for news and more tools for a positive mind.</source>
        <translation>Jetzt %1 besuchen: Neues und mehr Hilfen für positives Denken.</translation>
    </message>
    <message>
        <source>Programs</source>
        <translation>Programme</translation>
    </message>
    <message>
        <source>&amp;Create</source>
        <translation>&amp;Erstellen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Dateien</translation>
    </message>
    <message>
        <source>&amp;Import…</source>
        <translation>&amp;Importieren…</translation>
    </message>
    <message>
        <source>Ex&amp;port…</source>
        <translation>E&amp;xportieren…</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Botschaften</translation>
    </message>
    <message>
        <source>E&amp;dit</source>
        <translation>Ä&amp;ndern</translation>
    </message>
    <message>
        <source>&amp;Add New</source>
        <translation>Hin&amp;zufügen</translation>
    </message>
    <message>
        <source>D&amp;elete</source>
        <translation>Entfe&amp;rnen</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Makes a new message file of a text file, one message a line.</source>
        <translation>Legt aus einer Textdatei mit einer Botschaft pro Zeile eine neue Botschaftsdatei an.</translation>
    </message>
    <message>
        <source>Saves the messages of the file shown as a text file, one message a line.</source>
        <translation>Speichert die Botschaften der angezeigten Datei als Textdatei, eine Botschaft pro Zeile.</translation>
    </message>
    <message>
        <source>Import Messages</source>
        <translation>Botschaften importieren</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>Textdateien (*.txt);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Export Messages</source>
        <translation>Botschaften exportieren</translation>
    </message>
    <message>
        <source>Please Enter Only Characters</source>
        <translation>Bitte nur Buchstaben, Ziffern und Leerzeichen eingeben</translation>
    </message>
</context>
<context>
    <name>SettingsPage</name>
    <message>
        <source>Message Frequency</source>
        <translation>Häufigkeit der Botschaften</translation>
    </message>
    <message>
        <source>Message Display Order</source>
        <translation>Reihenfolge</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Zufällig</translation>
    </message>
    <message>
        <source>As Written</source>
        <translation>Wie geschrieben</translation>
    </message>
    <message>
        <source>Message Location</source>
        <translation>Position auf dem Bildschirm</translation>
    </message>
    <message>
        <source>Randomly on the Screen</source>
        <translation>Zufällig auf dem Bildschirm</translation>
    </message>
    <message>
        <source>Centre of the Screen</source>
        <translation>Bildschirmmitte</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Schriftart</translation>
    </message>
    <message>
        <source>Run on Windows Start-Up</source>
        <translation>Beim Windows-Start ausführen</translation>
    </message>
    <message>
        <source>Run at start-up</source>
        <translation>Ausführen</translation>
    </message>
    <message>
        <source>Don&apos;t run at start-up</source>
        <translation>Nicht ausführen</translation>
    </message>
    <message>
        <source>Start at system tray</source>
        <translation>Minimiert starten</translation>
    </message>
    <message>
        <source>Start Showing Subliminal Messages</source>
        <translation>Unterschwellige Botschaften zeigen</translation>
    </message>
    <message>
        <source>O&amp;ptions…</source>
        <translation>&amp;Optionen…</translation>
    </message>
    <message>
        <source>Visit %1 now for news and more tools for a positive mind.</source>
        <translation>Jetzt %1 besuchen: Neues und mehr Hilfen für positives Denken.</translation>
    </message>
    <message>
        <source>Below you can set the interval between each message and duration for which each message is displayed.</source>
        <translation>Legen Sie hier den Abstand zwischen den Botschaften und die Anzeigedauer jeder Botschaft fest.</translation>
    </message>
    <message>
        <source>Display every</source>
        <translation>Zeigen alle</translation>
    </message>
    <message>
        <source>Sec</source>
        <translation>Sek.</translation>
    </message>
    <message>
        <source>Display for</source>
        <translation>Zeigen für</translation>
    </message>
    <message>
        <source>MilliSec</source>
        <translation>Millisek.</translation>
    </message>
    <message>
        <source>This is a very important setting. Remember that if you want to get the most benefit from this program then you must have it running at all times.</source>
        <translation>Diese Einstellung ist sehr wichtig. Denken Sie daran: Den größten Nutzen haben Sie von diesem Programm, wenn es ständig läuft.</translation>
    </message>
    <message>
        <source>It is also important that you keep your goals in mind, hence starting in system tray will be a deterrent to those goals.</source>
        <translation>Ebenso wichtig ist es, Ihre Ziele vor Augen zu behalten; ein Start im Infobereich steht diesen Zielen daher eher im Weg.</translation>
    </message>
    <message>
        <source>The notification icon, do not disturb, screens, active hours and the statistics of the messages shown.</source>
        <translation>Symbol im Infobereich, Nicht stören, Bildschirme, aktive Zeiten und die Statistik der gezeigten Botschaften.</translation>
    </message>
</context>
<context>
    <name>StartupEntry</name>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 ist keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <source>It is left alone: the program does not start with the session.</source>
        <translation>Sie bleibt unverändert: Das Programm startet nicht mit der Sitzung.</translation>
    </message>
</context>
<context>
    <name>StartupOptions</name>
    <message>
        <source>Error %1 opening key
%2</source>
        <translation>Fehler %1 beim Öffnen des Eintrags
%2</translation>
    </message>
    <message>
        <source>Error %1 setting key
%2</source>
        <translation>Fehler %1 beim Setzen des Eintrags
%2</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <source>Recent</source>
        <translation>Aktuell</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation>Möglicherweise gibt es eine neue Version dieses Programms.<byte value="xd"/>Möchten Sie jetzt nachsehen?</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Click here to visit %1</source>
        <translation>Hier klicken, um %1 zu besuchen</translation>
    </message>
    <message>
        <source>Click here for more details.</source>
        <translation>Hier klicken für mehr Informationen.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Zorvan Subliminal Message Software is a special software that aims to reach out to your subconscious mind and help develop a positive mind set. Subliminal messages also increase your self-confidence and self-esteem thus making your goals achievable. This program helps you achieve this by displaying unobtrusive messages on your PC from time to time.</source>
        <translation>Zorvan Subliminal Message Software ist ein besonderes Programm, das Ihr Unterbewusstsein ansprechen und Ihnen zu einer positiven Einstellung verhelfen will. Unterschwellige Botschaften stärken außerdem Ihr Selbstvertrauen und Ihr Selbstwertgefühl und machen Ihre Ziele so erreichbar. Dazu zeigt Ihnen dieses Programm von Zeit zu Zeit unaufdringliche Botschaften auf Ihrem Computer.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Geschäftsidee für zu Hause: Gründen Sie Ihr eigenes Internetgeschäft und verdienen Sie online Geld. Erhalten Sie diese Software ganz im Design Ihrer Website.</translation>
    </message>
</context>
<context>
    <name>frmAll</name>
    <message>
        <source>My Personal Goals</source>
        <translation>Meine persönlichen Ziele</translation>
    </message>
    <message>
        <source>Programs</source>
        <translation>Programme</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>%1 is not a regular file, so the settings can neither be read from it nor saved into it. The program goes on with its default settings.</source>
        <translation>%1 ist keine gewöhnliche Datei; die Einstellungen können daher weder daraus gelesen noch darin gespeichert werden. Das Programm arbeitet mit seinen Standardeinstellungen weiter.</translation>
    </message>
    <message>
        <source>The program cannot tell whether another copy of it is running. If one is, end one of them: both would write the same files.</source>
        <translation>Das Programm kann nicht feststellen, ob eine weitere Kopie von ihm läuft. Falls ja, beenden Sie eine der beiden: Beide würden in dieselben Dateien schreiben.</translation>
    </message>
    <message>
        <source>Another copy of the program seems to be running (process %1), but it does not answer. End it, or wait until it answers, and start the program again.</source>
        <translation>Eine weitere Kopie des Programms scheint zu laufen (Prozess %1), antwortet aber nicht. Beenden Sie sie oder warten Sie, bis sie antwortet, und starten Sie das Programm dann erneut.</translation>
    </message>
    <message>
        <source>Another copy of the program seems to be running, but it does not answer. End it, or wait until it answers, and start the program again.</source>
        <translation>Eine weitere Kopie des Programms scheint zu laufen, antwortet aber nicht. Beenden Sie sie oder warten Sie, bis sie antwortet, und starten Sie das Programm dann erneut.</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Anhalten</translation>
    </message>
    <message>
        <source>Start Showing Subliminal Messages</source>
        <translation>Unterschwellige Botschaften zeigen</translation>
    </message>
    <message>
        <source>Are you sure you want to quit?<byte value="xd"/>If you quit then Subliminal Messages will no be shown</source>
        <translation>Möchten Sie das Programm wirklich beenden?<byte value="xd"/>Dann werden keine unterschwelligen Botschaften mehr gezeigt.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>No display could be opened (%1).</source>
        <translation>Es konnte keine Anzeige geöffnet werden (%1).</translation>
    </message>
</context>
<context>
    <name>modHelp</name>
    <message>
        <source>No program to open the help with was found. The help is on the web at
%1</source>
        <translation>Es wurde kein Programm gefunden, das die Hilfe öffnen kann. Die Hilfe steht im Web unter
%1</translation>
    </message>
    <message>
        <source>No program to open the help with was found. The user manual is the file
%1
Open it in a web browser.</source>
        <translation>Es wurde kein Programm gefunden, das die Hilfe öffnen kann. Das Handbuch ist die Datei
%1
Öffnen Sie sie in einem Webbrowser.</translation>
    </message>
</context>
</TS>
