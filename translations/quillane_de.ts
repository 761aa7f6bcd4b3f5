<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AccessKeys</name>
    <message>
        <location filename="../src/shared/widgets/AccessKeys.cpp" line="26"/>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/AccessKeys.cpp" line="27"/>
        <source>&amp;Update</source>
        <translation>Akt&amp;ualisieren</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/AccessKeys.cpp" line="28"/>
        <source>&amp;Delete</source>
        <translation>Lö&amp;schen</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/AccessKeys.cpp" line="29"/>
        <source>S&amp;ave</source>
        <translation>S&amp;peichern</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/AccessKeys.cpp" line="30"/>
        <source>Cl&amp;ose</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/AccessKeys.cpp" line="31"/>
        <source>&amp;Generate</source>
        <translation>Gene&amp;rieren</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/AccessKeys.cpp" line="32"/>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/AccessKeys.cpp" line="33"/>
        <source>Clip&amp;board</source>
        <translation>&amp;Zwischenablage</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/AccessKeys.cpp" line="34"/>
        <source>C&amp;lear List</source>
        <translation>&amp;Liste leeren</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/AccessKeys.cpp" line="35"/>
        <source>C&amp;lear</source>
        <translation>&amp;Leeren</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/AccessKeys.cpp" line="36"/>
        <source>E&amp;xport…</source>
        <translation>E&amp;xportieren…</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/AccessKeys.cpp" line="37"/>
        <source>&amp;Import…</source>
        <translation>&amp;Importieren…</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/AccessKeys.cpp" line="38"/>
        <source>Add to Stor&amp;y…</source>
        <translation>Zu Geschich&amp;te hinzufügen…</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/AccessKeys.cpp" line="39"/>
        <source>Chec&amp;k On/Off</source>
        <translation>Haken &amp;an/aus</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/AccessKeys.cpp" line="40"/>
        <source>Appears &amp;in:</source>
        <translation>Kommt vor &amp;in:</translation>
    </message>
</context>
<context>
    <name>AnnouncedWrite</name>
    <message>
        <location filename="../src/data/AnnouncedWrite.cpp" line="38"/>
        <source>Record is deleted.</source>
        <translation>Datensatz ist gelöscht.</translation>
    </message>
</context>
<context>
    <name>AppearsInBar</name>
    <message>
        <location filename="../src/records/AppearsInBar.cpp" line="46"/>
        <source>no story yet</source>
        <translation>noch keine Geschichte</translation>
    </message>
    <message>
        <location filename="../src/records/AppearsInBar.cpp" line="54"/>
        <location filename="../src/records/AppearsInBar.cpp" line="55"/>
        <source>Add to Story…</source>
        <translation>Zu Geschichte hinzufügen…</translation>
    </message>
    <message>
        <location filename="../src/records/AppearsInBar.cpp" line="56"/>
        <source>Link this record to a story</source>
        <translation>Diesen Datensatz mit einer Geschichte verknüpfen</translation>
    </message>
    <message>
        <location filename="../src/records/AppearsInBar.cpp" line="60"/>
        <source>Appears in</source>
        <translation>Kommt vor in</translation>
    </message>
    <message>
        <location filename="../src/records/AppearsInBar.cpp" line="61"/>
        <source>The stories this record is part of; double-click one to open it in Story and Stage</source>
        <translation>Die Geschichten, zu denen dieser Datensatz gehört; doppelklicken Sie auf eine, um sie in Geschichte und Bühne zu öffnen</translation>
    </message>
    <message>
        <location filename="../src/records/AppearsInBar.cpp" line="63"/>
        <source>Appears in:</source>
        <translation>Kommt vor in:</translation>
    </message>
    <message>
        <location filename="../src/records/AppearsInBar.cpp" line="96"/>
        <location filename="../src/records/AppearsInBar.cpp" line="133"/>
        <source>Untitled story</source>
        <translation>Unbenannte Geschichte</translation>
    </message>
    <message>
        <location filename="../src/records/AppearsInBar.cpp" line="105"/>
        <location filename="../src/records/AppearsInBar.cpp" line="127"/>
        <source>Add to Story</source>
        <translation>Zu Geschichte hinzufügen</translation>
    </message>
    <message>
        <location filename="../src/records/AppearsInBar.cpp" line="111"/>
        <source>There is nothing to add to a story yet.  Create a record with New first.</source>
        <translation>Es gibt noch nichts, das zu einer Geschichte hinzugefügt werden könnte.  Legen Sie zuerst mit Neu einen Datensatz an.</translation>
    </message>
    <message>
        <location filename="../src/records/AppearsInBar.cpp" line="118"/>
        <source>There is no story yet.  Create one in Story and Stage first.</source>
        <translation>Es gibt noch keine Geschichte.  Erstellen Sie zuerst eine in Geschichte und Bühne.</translation>
    </message>
    <message>
        <location filename="../src/records/AppearsInBar.cpp" line="130"/>
        <source>&amp;Story:</source>
        <translation>&amp;Geschichte:</translation>
    </message>
    <message>
        <location filename="../src/records/AppearsInBar.cpp" line="131"/>
        <source>Stories</source>
        <translation>Geschichten</translation>
    </message>
    <message>
        <location filename="../src/records/AppearsInBar.cpp" line="132"/>
        <source>Choose a story from the list first.</source>
        <translation>Wählen Sie zuerst eine Geschichte aus der Liste.</translation>
    </message>
    <message>
        <location filename="../src/records/AppearsInBar.cpp" line="152"/>
        <source>a link</source>
        <extracomment>What the refused change was about, as in &quot;Quillane could not save/add/delete …&quot;</extracomment>
        <translation>einer Verknüpfung</translation>
    </message>
</context>
<context>
    <name>BarChartOfWords</name>
    <message>
        <location filename="../src/plugins/wordschart/BarChartOfWords.cpp" line="14"/>
        <source>Words</source>
        <translation>Wörter</translation>
    </message>
    <message>
        <location filename="../src/plugins/wordschart/BarChartOfWords.cpp" line="28"/>
        <location filename="../src/plugins/wordschart/BarChartOfWords.cpp" line="64"/>
        <source>Words per day</source>
        <translation>Wörter pro Tag</translation>
    </message>
    <message>
        <location filename="../src/plugins/wordschart/BarChartOfWords.cpp" line="63"/>
        <source>d MMM</source>
        <translation>d. MMM</translation>
    </message>
    <message>
        <location filename="../src/plugins/wordschart/BarChartOfWords.cpp" line="65"/>
        <source>Words per day, %1 – %2</source>
        <translation>Wörter pro Tag, %1 – %2</translation>
    </message>
</context>
<context>
    <name>BrainstormWindow</name>
    <message>
        <location filename="../src/inspiration/BrainstormWindow.cpp" line="38"/>
        <source>Question word</source>
        <translation>Fragewort</translation>
    </message>
    <message>
        <location filename="../src/inspiration/BrainstormWindow.cpp" line="39"/>
        <source>Noun</source>
        <translation>Substantiv</translation>
    </message>
    <message>
        <location filename="../src/inspiration/BrainstormWindow.cpp" line="40"/>
        <source>Verb</source>
        <translation>Verb</translation>
    </message>
    <message>
        <location filename="../src/inspiration/BrainstormWindow.cpp" line="41"/>
        <source>Adjective</source>
        <translation>Adjektiv</translation>
    </message>
    <message>
        <location filename="../src/inspiration/BrainstormWindow.cpp" line="42"/>
        <source>Adverb</source>
        <translation>Adverb</translation>
    </message>
    <message>
        <location filename="../src/inspiration/BrainstormWindow.cpp" line="49"/>
        <source>Brainstorm</source>
        <translation>Brainstorming</translation>
    </message>
    <message>
        <location filename="../src/inspiration/BrainstormWindow.cpp" line="67"/>
        <source>Prompt word</source>
        <translation>Impulswort</translation>
    </message>
    <message>
        <location filename="../src/inspiration/BrainstormWindow.cpp" line="75"/>
        <source>Prompt</source>
        <translation>Impuls</translation>
    </message>
    <message>
        <location filename="../src/inspiration/BrainstormWindow.cpp" line="83"/>
        <source>Random</source>
        <translation>Zufällig</translation>
    </message>
    <message>
        <location filename="../src/inspiration/BrainstormWindow.cpp" line="84"/>
        <source>Timer</source>
        <translation>Zeitgeber</translation>
    </message>
    <message>
        <location filename="../src/inspiration/BrainstormWindow.cpp" line="87"/>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <location filename="../src/inspiration/BrainstormWindow.cpp" line="88"/>
        <source>&amp;Clipboard</source>
        <translation>&amp;Zwischenablage</translation>
    </message>
    <message>
        <location filename="../src/inspiration/BrainstormWindow.cpp" line="89"/>
        <source>Clear List</source>
        <translation>Liste leeren</translation>
    </message>
    <message>
        <location filename="../src/inspiration/BrainstormWindow.cpp" line="90"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <location filename="../src/inspiration/BrainstormWindow.cpp" line="110"/>
        <source>Topic:</source>
        <translation>Thema:</translation>
    </message>
    <message>
        <location filename="../src/inspiration/BrainstormWindow.cpp" line="111"/>
        <source>Idea:</source>
        <translation>Idee:</translation>
    </message>
    <message>
        <location filename="../src/inspiration/BrainstormWindow.cpp" line="204"/>
        <source>Topic: %1</source>
        <translation>Thema: %1</translation>
    </message>
    <message>
        <location filename="../src/inspiration/BrainstormWindow.cpp" line="222"/>
        <source>You need to enter a topic.</source>
        <translation>Sie müssen ein Thema eingeben.</translation>
    </message>
    <message>
        <location filename="../src/inspiration/BrainstormWindow.cpp" line="222"/>
        <source>Enter a Topic</source>
        <translation>Thema eingeben</translation>
    </message>
</context>
<context>
    <name>CastMapView</name>
    <message>
        <location filename="../src/shared/widgets/CastMapView.cpp" line="49"/>
        <source>Cast map</source>
        <translation>Figurenkarte</translation>
    </message>
</context>
<context>
    <name>CastMapWindow</name>
    <message>
        <location filename="../src/records/CastMapWindow.cpp" line="36"/>
        <source>Cast Map</source>
        <translation>Figurenkarte</translation>
    </message>
    <message>
        <location filename="../src/records/CastMapWindow.cpp" line="47"/>
        <source>Story</source>
        <translation>Geschichte</translation>
    </message>
    <message>
        <location filename="../src/records/CastMapWindow.cpp" line="50"/>
        <source>Export S&amp;VG…</source>
        <translation>S&amp;VG exportieren…</translation>
    </message>
    <message>
        <location filename="../src/records/CastMapWindow.cpp" line="51"/>
        <source>Save the map as an SVG picture</source>
        <translation>Die Karte als SVG-Bild speichern</translation>
    </message>
    <message>
        <location filename="../src/records/CastMapWindow.cpp" line="52"/>
        <source>Export P&amp;NG…</source>
        <translation>P&amp;NG exportieren…</translation>
    </message>
    <message>
        <location filename="../src/records/CastMapWindow.cpp" line="53"/>
        <source>Save the map as a PNG picture</source>
        <translation>Die Karte als PNG-Bild speichern</translation>
    </message>
    <message>
        <location filename="../src/records/CastMapWindow.cpp" line="54"/>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <location filename="../src/records/CastMapWindow.cpp" line="54"/>
        <source>Print the map</source>
        <translation>Die Karte drucken</translation>
    </message>
    <message>
        <location filename="../src/records/CastMapWindow.cpp" line="55"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <location filename="../src/records/CastMapWindow.cpp" line="62"/>
        <source>S&amp;tory:</source>
        <translation>&amp;Geschichte:</translation>
    </message>
    <message>
        <location filename="../src/records/CastMapWindow.cpp" line="80"/>
        <source>Export SVG</source>
        <translation>SVG exportieren</translation>
    </message>
    <message>
        <location filename="../src/records/CastMapWindow.cpp" line="80"/>
        <source>SVG picture (*.svg)</source>
        <translation>SVG-Bild (*.svg)</translation>
    </message>
    <message>
        <location filename="../src/records/CastMapWindow.cpp" line="84"/>
        <source>Export PNG</source>
        <translation>PNG exportieren</translation>
    </message>
    <message>
        <location filename="../src/records/CastMapWindow.cpp" line="84"/>
        <source>PNG picture (*.png)</source>
        <translation>PNG-Bild (*.png)</translation>
    </message>
    <message>
        <location filename="../src/records/CastMapWindow.cpp" line="121"/>
        <source>All characters</source>
        <translation>Alle Figuren</translation>
    </message>
    <message>
        <location filename="../src/records/CastMapWindow.cpp" line="123"/>
        <source>Untitled story</source>
        <translation>Unbenannte Geschichte</translation>
    </message>
    <message>
        <location filename="../src/records/CastMapWindow.cpp" line="152"/>
        <source>where the character stands</source>
        <extracomment>What the refused change was about, as in &quot;Quillane could not save/add/delete …&quot;</extracomment>
        <translation>der Position der Figur</translation>
    </message>
    <message>
        <location filename="../src/records/CastMapWindow.cpp" line="153"/>
        <source>It stays there on the map</source>
        <translation>Sie bleibt an dieser Stelle auf der Karte</translation>
    </message>
    <message>
        <location filename="../src/records/CastMapWindow.cpp" line="161"/>
        <source>%1 cast map</source>
        <extracomment>The name offered for the picture of a story&apos;s map, before its &quot;.svg&quot; or &quot;.png&quot;</extracomment>
        <translation>Figurenkarte %1</translation>
    </message>
    <message>
        <location filename="../src/records/CastMapWindow.cpp" line="167"/>
        <source>The map could not be saved.  %1</source>
        <translation>Die Karte konnte nicht gespeichert werden.  %1</translation>
    </message>
    <message>
        <location filename="../src/records/CastMapWindow.cpp" line="173"/>
        <source>Print Cast Map</source>
        <translation>Figurenkarte drucken</translation>
    </message>
    <message>
        <location filename="../src/records/CastMapWindow.cpp" line="174"/>
        <source>Is your printer on and loaded with paper.</source>
        <translation>Ist Ihr Drucker eingeschaltet und mit Papier bestückt.</translation>
    </message>
    <message>
        <location filename="../src/records/CastMapWindow.cpp" line="182"/>
        <source>No printer is installed.  Export the map as a picture to print it elsewhere.</source>
        <translation>Es ist kein Drucker eingerichtet.  Exportieren Sie die Karte als Bild, um sie anderswo zu drucken.</translation>
    </message>
    <message>
        <location filename="../src/records/CastMapWindow.cpp" line="186"/>
        <source>The map could not be printed.  %1</source>
        <translation>Die Karte konnte nicht gedruckt werden.  %1</translation>
    </message>
</context>
<context>
    <name>CastNames</name>
    <message>
        <location filename="../src/data/CastNames.cpp" line="76"/>
        <source>The database is not open</source>
        <translation>Die Datenbank ist nicht geöffnet</translation>
    </message>
</context>
<context>
    <name>CharacterSketchBoxes</name>
    <message>
        <location filename="../src/records/CharacterSketchBoxes.cpp" line="17"/>
        <source>Character One</source>
        <translation>Figur eins</translation>
    </message>
    <message>
        <location filename="../src/records/CharacterSketchBoxes.cpp" line="18"/>
        <source>Character Two</source>
        <translation>Figur zwei</translation>
    </message>
    <message>
        <location filename="../src/records/CharacterSketchBoxes.cpp" line="19"/>
        <source>Character Three</source>
        <translation>Figur drei</translation>
    </message>
    <message>
        <location filename="../src/records/CharacterSketchBoxes.cpp" line="21"/>
        <source>Motivation One</source>
        <translation>Motivation eins</translation>
    </message>
    <message>
        <location filename="../src/records/CharacterSketchBoxes.cpp" line="22"/>
        <source>Motivation Two</source>
        <translation>Motivation zwei</translation>
    </message>
    <message>
        <location filename="../src/records/CharacterSketchBoxes.cpp" line="23"/>
        <source>Motivation Three</source>
        <translation>Motivation drei</translation>
    </message>
    <message>
        <location filename="../src/records/CharacterSketchBoxes.cpp" line="39"/>
        <source>Motivation:</source>
        <translation>Motivation:</translation>
    </message>
    <message>
        <location filename="../src/records/CharacterSketchBoxes.cpp" line="88"/>
        <source>Job%1</source>
        <translation>Beruf%1</translation>
    </message>
    <message>
        <location filename="../src/records/CharacterSketchBoxes.cpp" line="91"/>
        <source>Character%1</source>
        <translation>Figur%1</translation>
    </message>
</context>
<context>
    <name>CharacterWindow</name>
    <message>
        <location filename="../src/records/CharacterWindow.cpp" line="47"/>
        <source>Personal</source>
        <translation>Persönlich</translation>
    </message>
    <message>
        <location filename="../src/records/CharacterWindow.cpp" line="48"/>
        <source>Social</source>
        <translation>Sozial</translation>
    </message>
    <message>
        <location filename="../src/records/CharacterWindow.cpp" line="49"/>
        <source>Interests</source>
        <translation>Interessen</translation>
    </message>
    <message>
        <location filename="../src/records/CharacterWindow.cpp" line="50"/>
        <source>Psychology</source>
        <translation>Psychologie</translation>
    </message>
    <message>
        <location filename="../src/records/CharacterWindow.cpp" line="83"/>
        <source>Mental</source>
        <translation>Psyche</translation>
    </message>
    <message>
        <location filename="../src/records/CharacterWindow.cpp" line="84"/>
        <source>Mental State</source>
        <translation>Geisteszustand</translation>
    </message>
    <message>
        <location filename="../src/records/CharacterWindow.cpp" line="86"/>
        <source>Materialism</source>
        <translation>Materialismus</translation>
    </message>
    <message>
        <location filename="../src/records/CharacterWindow.cpp" line="87"/>
        <source>Morality</source>
        <translation>Moral</translation>
    </message>
    <message>
        <location filename="../src/records/CharacterWindow.cpp" line="90"/>
        <source>Motivation</source>
        <translation>Motivation</translation>
    </message>
    <message>
        <location filename="../src/records/CharacterWindow.cpp" line="91"/>
        <source>Intellect</source>
        <translation>Intellekt</translation>
    </message>
    <message>
        <location filename="../src/records/CharacterWindow.cpp" line="93"/>
        <source>Thrift</source>
        <translation>Sparsamkeit</translation>
    </message>
    <message>
        <location filename="../src/records/CharacterWindow.cpp" line="95"/>
        <source>Job</source>
        <translation>Beruf</translation>
    </message>
    <message>
        <location filename="../src/records/CharacterWindow.cpp" line="97"/>
        <source>Hobby</source>
        <translation>Hobby</translation>
    </message>
    <message>
        <location filename="../src/records/CharacterWindow.cpp" line="99"/>
        <source>Interest</source>
        <translation>Interesse</translation>
    </message>
    <message>
        <location filename="../src/records/CharacterWindow.cpp" line="101"/>
        <source>Country</source>
        <translation>Land</translation>
    </message>
    <message>
        <location filename="../src/records/CharacterWindow.cpp" line="103"/>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <location filename="../src/records/CharacterWindow.cpp" line="105"/>
        <source>Family</source>
        <translation>Familie</translation>
    </message>
    <message>
        <location filename="../src/records/CharacterWindow.cpp" line="107"/>
        <source>Education</source>
        <translation>Bildung</translation>
    </message>
    <message>
        <location filename="../src/records/CharacterWindow.cpp" line="109"/>
        <source>Religion</source>
        <translation>Religion</translation>
    </message>
    <message>
        <location filename="../src/records/CharacterWindow.cpp" line="111"/>
        <source>Wealth</source>
        <translation>Vermögen</translation>
    </message>
    <message>
        <location filename="../src/records/CharacterWindow.cpp" line="113"/>
        <source>Eyes</source>
        <translation>Augen</translation>
    </message>
    <message>
        <location filename="../src/records/CharacterWindow.cpp" line="115"/>
        <source>Age</source>
        <translation>Alter</translation>
    </message>
    <message>
        <location filename="../src/records/CharacterWindow.cpp" line="116"/>
        <source>Enter this character&apos;s age in years</source>
        <translation>Geben Sie das Alter dieser Figur in Jahren ein</translation>
    </message>
    <message>
        <location filename="../src/records/CharacterWindow.cpp" line="117"/>
        <source>Weight</source>
        <translation>Gewicht</translation>
    </message>
    <message>
        <location filename="../src/records/CharacterWindow.cpp" line="118"/>
        <source>Enter this character&apos;s weight in pounds</source>
        <translation>Geben Sie das Gewicht dieser Figur in Pfund ein</translation>
    </message>
    <message>
        <location filename="../src/records/CharacterWindow.cpp" line="119"/>
        <source>Height</source>
        <translation>Größe</translation>
    </message>
    <message>
        <location filename="../src/records/CharacterWindow.cpp" line="120"/>
        <source>Enter this character&apos;s height in inches</source>
        <translation>Geben Sie die Größe dieser Figur in Zoll ein</translation>
    </message>
    <message>
        <location filename="../src/records/CharacterWindow.cpp" line="121"/>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <location filename="../src/records/CharacterWindow.cpp" line="122"/>
        <source>Enter this character&apos;s name</source>
        <translation>Geben Sie den Namen dieser Figur ein</translation>
    </message>
    <message>
        <location filename="../src/records/CharacterWindow.cpp" line="123"/>
        <source>Gender</source>
        <translation>Geschlecht</translation>
    </message>
    <message>
        <location filename="../src/records/CharacterWindow.cpp" line="125"/>
        <source>Hair</source>
        <translation>Haare</translation>
    </message>
    <message>
        <location filename="../src/records/CharacterWindow.cpp" line="137"/>
        <source>Character Navigate</source>
        <translation>Figuren durchblättern</translation>
    </message>
    <message>
        <location filename="../src/records/CharacterWindow.cpp" line="139"/>
        <source>You must create your first character by selecting New.  This character will not be saved.</source>
        <translation>Sie müssen Ihre erste Figur mit Neu anlegen.  Diese Figur wird nicht gespeichert.</translation>
    </message>
    <message>
        <location filename="../src/records/CharacterWindow.cpp" line="142"/>
        <source>Create a New Character.</source>
        <translation>Erstellen Sie eine neue Figur.</translation>
    </message>
    <message>
        <location filename="../src/records/CharacterWindow.cpp" line="151"/>
        <source>Character Generator</source>
        <translation>Figurengenerator</translation>
    </message>
    <message>
        <location filename="../src/records/CharacterWindow.cpp" line="173"/>
        <source>Attributes</source>
        <translation>Eigenschaften</translation>
    </message>
    <message>
        <location filename="../src/records/CharacterWindow.cpp" line="193"/>
        <source>Characters</source>
        <translation>Figuren</translation>
    </message>
    <message>
        <location filename="../src/records/CharacterWindow.cpp" line="196"/>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <location filename="../src/records/CharacterWindow.cpp" line="197"/>
        <source>Generate a brand new character</source>
        <translation>Eine ganz neue Figur generieren</translation>
    </message>
    <message>
        <location filename="../src/records/CharacterWindow.cpp" line="199"/>
        <source>&amp;Generate</source>
        <translation>&amp;Generieren</translation>
    </message>
    <message>
        <location filename="../src/records/CharacterWindow.cpp" line="200"/>
        <source>Click this to generate a new character.  Be careful not erase attributes you like.</source>
        <translation>Klicken Sie hier, um eine neue Figur zu generieren.  Achten Sie darauf, keine Eigenschaften zu löschen, die Ihnen gefallen.</translation>
    </message>
    <message>
        <location filename="../src/records/CharacterWindow.cpp" line="203"/>
        <source>Update</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <location filename="../src/records/CharacterWindow.cpp" line="204"/>
        <source>Save this character&apos;s profile</source>
        <translation>Das Profil dieser Figur speichern</translation>
    </message>
    <message>
        <location filename="../src/records/CharacterWindow.cpp" line="205"/>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <location filename="../src/records/CharacterWindow.cpp" line="206"/>
        <source>Delete this character</source>
        <translation>Diese Figur löschen</translation>
    </message>
    <message>
        <location filename="../src/records/CharacterWindow.cpp" line="207"/>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <location filename="../src/records/CharacterWindow.cpp" line="208"/>
        <source>Print this character</source>
        <translation>Diese Figur drucken</translation>
    </message>
    <message>
        <location filename="../src/records/CharacterWindow.cpp" line="210"/>
        <source>&amp;Clipboard</source>
        <translation>&amp;Zwischenablage</translation>
    </message>
    <message>
        <location filename="../src/records/CharacterWindow.cpp" line="211"/>
        <source>Copy this character to the clipboard to be pasted into another program</source>
        <translation>Diese Figur in die Zwischenablage kopieren, um sie in ein anderes Programm einzufügen</translation>
    </message>
    <message>
        <location filename="../src/records/CharacterWindow.cpp" line="213"/>
        <source>Check On/Off</source>
        <translation>Haken an/aus</translation>
    </message>
    <message>
        <location filename="../src/records/CharacterWindow.cpp" line="215"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <location filename="../src/records/CharacterWindow.cpp" line="215"/>
        <source>Close this form</source>
        <translation>Dieses Formular schließen</translation>
    </message>
    <message>
        <location filename="../src/records/CharacterWindow.cpp" line="216"/>
        <source>Timer</source>
        <translation>Zeitgeber</translation>
    </message>
    <message>
        <location filename="../src/records/CharacterWindow.cpp" line="217"/>
        <source>Start the timer to generate a series of new characters</source>
        <translation>Den Zeitgeber starten, um eine Reihe neuer Figuren zu generieren</translation>
    </message>
    <message>
        <location filename="../src/records/CharacterWindow.cpp" line="250"/>
        <source>Check this box if you&apos;d like this field generated.</source>
        <translation>Aktivieren Sie dieses Kästchen, wenn dieses Feld generiert werden soll.</translation>
    </message>
    <message>
        <location filename="../src/records/CharacterWindow.cpp" line="252"/>
        <source>Generate %1</source>
        <extracomment>The box that says whether the attribute of the caption is drawn</extracomment>
        <translation>Generieren – %1</translation>
    </message>
    <message>
        <location filename="../src/records/CharacterWindow.cpp" line="269"/>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <location filename="../src/records/CharacterWindow.cpp" line="282"/>
        <source>Relationships</source>
        <translation>Beziehungen</translation>
    </message>
    <message>
        <location filename="../src/records/CharacterWindow.cpp" line="380"/>
        <source>Generate</source>
        <translation>Generieren</translation>
    </message>
    <message>
        <location filename="../src/records/CharacterWindow.cpp" line="410"/>
        <source>Keep</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <location filename="../src/records/CharacterWindow.h" line="98"/>
        <source>Every name the lists give is held by a character or given here already, so names may repeat from now on.</source>
        <translation>Jeder Name aus den Listen gehört schon einer Figur oder wurde hier bereits vergeben, daher können sich Namen ab jetzt wiederholen.</translation>
    </message>
</context>
<context>
    <name>CodeKeyMessages</name>
    <message>
        <location filename="../src/shared/widgets/CodeKeyMessages.cpp" line="19"/>
        <source>Key to Sentence Codes</source>
        <translation>Schlüssel zu den Satzcodes</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/CodeKeyMessages.cpp" line="25"/>
        <source>Key to Name Codes</source>
        <translation>Schlüssel zu den Namenscodes</translation>
    </message>
</context>
<context>
    <name>CodeKeys</name>
    <message>
        <location filename="../src/engines/CodeKeys.cpp" line="28"/>
        <source>c = consonant, v= vowel</source>
        <translation>c = Konsonant, v= Vokal</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <location filename="../src/app/CommandLine.cpp" line="43"/>
        <source>--%1 is given more than once</source>
        <translation>--%1 ist mehrfach angegeben</translation>
    </message>
    <message>
        <location filename="../src/app/CommandLine.cpp" line="57"/>
        <source>A creative-writing assistant.</source>
        <translation>Ein Assistent für kreatives Schreiben.</translation>
    </message>
    <message>
        <location filename="../src/app/CommandLine.cpp" line="62"/>
        <source>Opens the database FILE (a book&apos;s own database) instead of the program&apos;s; a FILE that does not exist yet may be made from a fresh one.</source>
        <translation>Öffnet die Datenbank FILE (die eigene Datenbank eines Buchs) statt der des Programms; eine noch nicht vorhandene FILE kann aus einer frischen angelegt werden.</translation>
    </message>
    <message>
        <location filename="../src/app/CommandLine.cpp" line="66"/>
        <source>Opens the tool window NAME at start, in front of the start window of the settings (frmSentence, frmCharacter, frmStoryandStage...).</source>
        <translation>Öffnet beim Start das Werkzeugfenster NAME vor dem Startfenster der Einstellungen (frmSentence, frmCharacter, frmStoryandStage...).</translation>
    </message>
    <message>
        <location filename="../src/app/CommandLine.cpp" line="70"/>
        <source>Uses the language CODE (de, en, de_DE...) instead of the system&apos;s.</source>
        <translation>Verwendet die Sprache CODE (de, en, de_DE...) statt der des Systems.</translation>
    </message>
    <message>
        <location filename="../src/app/CommandLine.cpp" line="74"/>
        <source>The database to open, as with --database.</source>
        <translation>Die zu öffnende Datenbank, wie mit --database.</translation>
    </message>
    <message>
        <location filename="../src/app/CommandLine.cpp" line="95"/>
        <source>the database file name is empty</source>
        <translation>der Name der Datenbankdatei ist leer</translation>
    </message>
    <message>
        <location filename="../src/app/CommandLine.cpp" line="103"/>
        <source>more than one database file given (%1); give one</source>
        <translation>mehr als eine Datenbankdatei angegeben (%1); geben Sie eine an</translation>
    </message>
    <message>
        <location filename="../src/app/CommandLine.cpp" line="116"/>
        <source>there is no window called %1; the windows are %2</source>
        <translation>es gibt kein Fenster namens %1; die Fenster sind %2</translation>
    </message>
    <message>
        <location filename="../src/app/CommandLine.cpp" line="123"/>
        <source>%1 is no language code; give one such as de, en or de_DE</source>
        <translation>%1 ist kein Sprachcode; geben Sie einen wie de, en oder de_DE an</translation>
    </message>
</context>
<context>
    <name>ControlMakers</name>
    <message>
        <location filename="../src/shared/widgets/ControlMakers.cpp" line="75"/>
        <source>Results</source>
        <translation>Ergebnisse</translation>
    </message>
</context>
<context>
    <name>CrystalBallWindow</name>
    <message>
        <location filename="../src/inspiration/CrystalBallWindow.cpp" line="19"/>
        <source>Crystal Ball</source>
        <translation>Kristallkugel</translation>
    </message>
    <message>
        <location filename="../src/inspiration/CrystalBallWindow.cpp" line="22"/>
        <source>Advice</source>
        <translation>Rat</translation>
    </message>
    <message>
        <location filename="../src/inspiration/CrystalBallWindow.cpp" line="28"/>
        <source>&amp;Advice</source>
        <translation>&amp;Rat</translation>
    </message>
    <message>
        <location filename="../src/inspiration/CrystalBallWindow.cpp" line="29"/>
        <source>Timer</source>
        <translation>Zeitgeber</translation>
    </message>
    <message>
        <location filename="../src/inspiration/CrystalBallWindow.cpp" line="30"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>CsvText</name>
    <message>
        <location filename="../src/data/CsvText.cpp" line="111"/>
        <source>the quoted text that opens on line %1 is never closed</source>
        <translation>der in Zeile %1 beginnende Text in Anführungszeichen wird nie geschlossen</translation>
    </message>
</context>
<context>
    <name>CustomizationMessages</name>
    <message>
        <location filename="../src/customization/CustomizationMessages.cpp" line="23"/>
        <source>The change could not be saved: %1.  Please correct it or try again.</source>
        <translation>Die Änderung konnte nicht gespeichert werden: %1.  Bitte korrigieren Sie sie oder versuchen Sie es erneut.</translation>
    </message>
</context>
<context>
    <name>CustomizationWindow</name>
    <message>
        <location filename="../src/customization/CustomizationWindow.cpp" line="17"/>
        <location filename="../src/customization/CustomizationWindow.cpp" line="20"/>
        <source>Customization</source>
        <translation>Anpassung</translation>
    </message>
    <message>
        <location filename="../src/customization/CustomizationWindow.cpp" line="22"/>
        <source>Database Customization</source>
        <translation>Datenbankanpassung</translation>
    </message>
    <message>
        <location filename="../src/customization/CustomizationWindow.cpp" line="24"/>
        <source>Application Customization</source>
        <translation>Anwendungsanpassung</translation>
    </message>
    <message>
        <location filename="../src/customization/CustomizationWindow.cpp" line="25"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <location filename="../src/data/Database.cpp" line="38"/>
        <source>file is not a database</source>
        <translation>Datei ist keine Datenbank</translation>
    </message>
    <message>
        <location filename="../src/data/Database.cpp" line="67"/>
        <source>Could not find file &apos;%1&apos;.</source>
        <translation>Die Datei &apos;%1&apos; wurde nicht gefunden.</translation>
    </message>
    <message>
        <location filename="../src/data/Database.cpp" line="100"/>
        <source>database disk image is malformed</source>
        <translation>Datenbankabbild ist beschädigt</translation>
    </message>
</context>
<context>
    <name>DatabaseBackup</name>
    <message>
        <location filename="../src/data/DatabaseBackup.cpp" line="157"/>
        <location filename="../src/data/DatabaseBackup.cpp" line="208"/>
        <location filename="../src/data/DatabaseBackup.cpp" line="320"/>
        <source>Could not make the folder &apos;%1&apos;.</source>
        <translation>Der Ordner &apos;%1&apos; konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <location filename="../src/data/DatabaseBackup.cpp" line="168"/>
        <location filename="../src/data/DatabaseBackup.cpp" line="211"/>
        <source>The database is not open.</source>
        <translation>Die Datenbank ist nicht geöffnet.</translation>
    </message>
    <message>
        <location filename="../src/data/DatabaseBackup.cpp" line="231"/>
        <location filename="../src/data/DatabaseBackup.cpp" line="256"/>
        <source>Could not write &apos;%1&apos;.</source>
        <translation>&apos;%1&apos; konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <location filename="../src/data/DatabaseBackup.cpp" line="247"/>
        <source>The database failed its integrity check, so it was not copied over the backups.</source>
        <translation>Die Datenbank hat die Integritätsprüfung nicht bestanden und wurde daher nicht über die Sicherungen kopiert.</translation>
    </message>
    <message>
        <location filename="../src/data/DatabaseBackup.cpp" line="327"/>
        <source>Could not move &apos;%1&apos;.</source>
        <translation>&apos;%1&apos; konnte nicht verschoben werden.</translation>
    </message>
    <message>
        <location filename="../src/data/DatabaseBackup.cpp" line="334"/>
        <source>Could not copy &apos;%1&apos; to &apos;%2&apos;.</source>
        <translation>&apos;%1&apos; konnte nicht nach &apos;%2&apos; kopiert werden.</translation>
    </message>
</context>
<context>
    <name>DatabaseSession</name>
    <message>
        <location filename="../src/app/DatabaseSession.cpp" line="31"/>
        <source>The Magic Stopped.</source>
        <translation>Der Zauber ist verflogen.</translation>
    </message>
    <message>
        <location filename="../src/app/DatabaseSession.cpp" line="36"/>
        <source>Quillane has left it as it is. Put back a copy of quillane97.mdb from a backup or from the installation, then start Quillane again.</source>
        <translation>Quillane hat sie unverändert gelassen. Stellen Sie eine Kopie von quillane97.mdb aus einer Sicherung oder aus der Installation wieder her und starten Sie Quillane dann erneut.</translation>
    </message>
    <message>
        <location filename="../src/app/DatabaseSession.cpp" line="51"/>
        <source>%1 is a folder, not the database file. </source>
        <translation>%1 ist ein Ordner, nicht die Datenbankdatei. </translation>
    </message>
    <message>
        <location filename="../src/app/DatabaseSession.cpp" line="53"/>
        <source>%1 is empty, cut short or not a Quillane database. </source>
        <translation>%1 ist leer, abgeschnitten oder keine Quillane-Datenbank. </translation>
    </message>
    <message>
        <location filename="../src/app/DatabaseSession.cpp" line="63"/>
        <source>The database %1 is read-only, so Quillane can show what is saved but cannot save changes. Make it writable (check its permissions) and start Quillane again.</source>
        <translation>Die Datenbank %1 ist schreibgeschützt, daher kann Quillane Gespeichertes anzeigen, aber keine Änderungen speichern. Machen Sie sie beschreibbar (prüfen Sie die Berechtigungen) und starten Sie Quillane erneut.</translation>
    </message>
    <message>
        <location filename="../src/app/DatabaseSession.cpp" line="69"/>
        <source>The folder %1 is read-only, so Quillane can show what is saved but cannot save changes. Make it writable (check its permissions) and start Quillane again.</source>
        <translation>Der Ordner %1 ist schreibgeschützt, daher kann Quillane Gespeichertes anzeigen, aber keine Änderungen speichern. Machen Sie ihn beschreibbar (prüfen Sie die Berechtigungen) und starten Sie Quillane erneut.</translation>
    </message>
    <message>
        <location filename="../src/app/DatabaseSession.cpp" line="82"/>
        <source>you can look but not save</source>
        <translation>Sie können ansehen, aber nicht speichern</translation>
    </message>
    <message>
        <location filename="../src/app/DatabaseSession.cpp" line="91"/>
        <source>%1 was saved by a newer version of Quillane, so this version opens it read-only: %2. Install the newer version to work in it.</source>
        <translation>%1 wurde von einer neueren Version von Quillane gespeichert, daher öffnet diese Version sie schreibgeschützt: %2. Installieren Sie die neuere Version, um darin zu arbeiten.</translation>
    </message>
    <message>
        <location filename="../src/app/DatabaseSession.cpp" line="101"/>
        <source>Quillane must bring %1 up to date for this version, but could not first keep a copy of it in %2, so it has left the file as it was and opens it read-only: %3. Make sure that folder can be written and the disk has room, then start Quillane again.</source>
        <translation>Quillane muss %1 für diese Version aktualisieren, konnte aber zuvor keine Kopie davon in %2 ablegen. Daher bleibt die Datei unverändert und wird schreibgeschützt geöffnet: %3. Sorgen Sie dafür, dass dieser Ordner beschreibbar ist und der Datenträger Platz hat, und starten Sie Quillane dann erneut.</translation>
    </message>
    <message>
        <location filename="../src/app/DatabaseSession.cpp" line="108"/>
        <source>Quillane could not bring %1 up to date for this version, so it has left the file as it was and opens it read-only: %2. A copy of the file is kept as %3.</source>
        <translation>Quillane konnte %1 nicht für diese Version aktualisieren. Daher bleibt die Datei unverändert und wird schreibgeschützt geöffnet: %2. Eine Kopie der Datei liegt unter %3.</translation>
    </message>
    <message>
        <location filename="../src/app/DatabaseSession.cpp" line="169"/>
        <source>Quillane cannot find the magical database %1: choose Yes to put back the backup made on %2, or No to leave Quillane.</source>
        <translation>Quillane findet die magische Datenbank %1 nicht: Wählen Sie Ja, um die Sicherung vom %2 wiederherzustellen, oder Nein, um Quillane zu beenden.</translation>
    </message>
    <message>
        <location filename="../src/app/DatabaseSession.cpp" line="172"/>
        <source>%1 is empty, cut short or not a Quillane database: choose Yes to put back the backup made on %2, keeping the damaged file as %3, or No to leave it as it is.</source>
        <translation>%1 ist leer, abgeschnitten oder keine Quillane-Datenbank: Wählen Sie Ja, um die Sicherung vom %2 wiederherzustellen und die beschädigte Datei als %3 aufzubewahren, oder Nein, um sie unverändert zu lassen.</translation>
    </message>
    <message>
        <location filename="../src/app/DatabaseSession.cpp" line="204"/>
        <source>The folder %1 is read-only, so Quillane keeps your work in %2, a copy of %3 made now. Changes are saved in the copy from now on.</source>
        <translation>Der Ordner %1 ist schreibgeschützt, daher bewahrt Quillane Ihre Arbeit in %2 auf, einer soeben angelegten Kopie von %3. Änderungen werden ab jetzt in der Kopie gespeichert.</translation>
    </message>
    <message>
        <location filename="../src/app/DatabaseSession.cpp" line="213"/>
        <source>Quillane is already running for %1 but does not answer. Close it, then start Quillane again.</source>
        <translation>Quillane läuft bereits für %1, antwortet aber nicht. Beenden Sie es und starten Sie Quillane dann erneut.</translation>
    </message>
    <message>
        <location filename="../src/app/DatabaseSession.cpp" line="247"/>
        <source>Quillane cannot find the magical database.</source>
        <translation>Quillane kann die magische Datenbank nicht finden.</translation>
    </message>
    <message>
        <location filename="../src/app/DatabaseSession.cpp" line="251"/>
        <source>%1 is in use by another program. Close that program, then choose Yes to try again or No to leave Quillane.</source>
        <translation>%1 wird von einem anderen Programm verwendet. Beenden Sie dieses Programm und wählen Sie dann Ja, um es erneut zu versuchen, oder Nein, um Quillane zu beenden.</translation>
    </message>
    <message>
        <location filename="../src/app/DatabaseSession.cpp" line="255"/>
        <location filename="../src/app/DatabaseSession.cpp" line="258"/>
        <source>Retry</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <location filename="../src/app/DatabaseSession.cpp" line="268"/>
        <source>%1 lacks part of what Quillane needs (%2). </source>
        <translation>%1 fehlt ein Teil dessen, was Quillane benötigt (%2). </translation>
    </message>
</context>
<context>
    <name>DiceNotation</name>
    <message>
        <location filename="../src/engines/DiceNotation.cpp" line="21"/>
        <source>Dice are written as 3d6, d20, 4d6kh3, 2d20kl1, 3d6!, d% or a sum such as 2d6+1d4-1.</source>
        <translation>Würfel werden als 3d6, d20, 4d6kh3, 2d20kl1, 3d6!, d% oder als Summe wie 2d6+1d4-1 geschrieben.</translation>
    </message>
    <message>
        <location filename="../src/engines/DiceNotation.cpp" line="76"/>
        <source>a “d” is followed by the number of sides or %</source>
        <translation>auf ein „d“ folgt die Anzahl der Seiten oder %</translation>
    </message>
    <message>
        <location filename="../src/engines/DiceNotation.cpp" line="78"/>
        <source>a die has 1 to %1 sides</source>
        <translation>ein Würfel hat 1 bis %1 Seiten</translation>
    </message>
    <message>
        <location filename="../src/engines/DiceNotation.cpp" line="85"/>
        <source>a die of one side cannot explode</source>
        <translation>ein Würfel mit nur einer Seite kann nicht explodieren</translation>
    </message>
    <message>
        <location filename="../src/engines/DiceNotation.cpp" line="95"/>
        <source>“k”, “kh” or “kl” is followed by how many dice to keep</source>
        <translation>auf „k“, „kh“ oder „kl“ folgt, wie viele Würfel behalten werden</translation>
    </message>
    <message>
        <location filename="../src/engines/DiceNotation.cpp" line="97"/>
        <source>it keeps more dice than it throws</source>
        <translation>es werden mehr Würfel behalten als geworfen</translation>
    </message>
    <message>
        <location filename="../src/engines/DiceNotation.cpp" line="111"/>
        <location filename="../src/engines/DiceNotation.cpp" line="187"/>
        <source>“%1” is not understood</source>
        <translation>„%1“ wird nicht verstanden</translation>
    </message>
    <message>
        <location filename="../src/engines/DiceNotation.cpp" line="113"/>
        <source>a number is at most %1</source>
        <translation>eine Zahl ist höchstens %1</translation>
    </message>
    <message>
        <location filename="../src/engines/DiceNotation.cpp" line="119"/>
        <source>a term throws at least one die</source>
        <translation>ein Term wirft mindestens einen Würfel</translation>
    </message>
    <message>
        <location filename="../src/engines/DiceNotation.cpp" line="121"/>
        <location filename="../src/engines/DiceNotation.cpp" line="195"/>
        <source>at most %1 dice are thrown at once</source>
        <translation>es werden höchstens %1 Würfel auf einmal geworfen</translation>
    </message>
    <message>
        <location filename="../src/engines/DiceNotation.cpp" line="174"/>
        <source>%1 is not dice notation: %2.  %3</source>
        <translation>%1 ist keine Würfelnotation: %2.  %3</translation>
    </message>
    <message>
        <location filename="../src/engines/DiceNotation.cpp" line="180"/>
        <source>Write the dice to throw.  %1</source>
        <translation>Schreiben Sie die zu werfenden Würfel.  %1</translation>
    </message>
    <message>
        <location filename="../src/engines/DiceNotation.cpp" line="190"/>
        <source>a sign is followed by a term</source>
        <translation>auf ein Vorzeichen folgt ein Term</translation>
    </message>
    <message>
        <location filename="../src/engines/DiceNotation.cpp" line="198"/>
        <source>at most %1 terms are added</source>
        <translation>es werden höchstens %1 Terme addiert</translation>
    </message>
    <message>
        <location filename="../src/engines/DiceNotation.cpp" line="221"/>
        <source>dropped %1</source>
        <translation>verworfen %1</translation>
    </message>
</context>
<context>
    <name>FatalError</name>
    <message>
        <location filename="../src/shared/widgets/FatalError.cpp" line="35"/>
        <source>Error # %1 was generated by %2</source>
        <translation>Fehler Nr. %1 wurde ausgelöst von %2</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/FatalError.cpp" line="36"/>
        <source>%1 in database%2</source>
        <translation>%1 in der Datenbank%2</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/FatalError.cpp" line="42"/>
        <source>Not Saved</source>
        <translation>Nicht gespeichert</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/FatalError.cpp" line="42"/>
        <source>save %1</source>
        <translation>%1 speichern</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/FatalError.cpp" line="43"/>
        <source>%1: %2, then save again.</source>
        <translation>%1: %2, und speichern Sie dann erneut.</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/FatalError.cpp" line="48"/>
        <source>Not Added</source>
        <translation>Nicht hinzugefügt</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/FatalError.cpp" line="48"/>
        <source>add %1</source>
        <translation>%1 hinzufügen</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/FatalError.cpp" line="49"/>
        <source>Nothing was added: %1, then try again.</source>
        <translation>Es wurde nichts hinzugefügt: %1 und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/FatalError.cpp" line="54"/>
        <source>Not Deleted</source>
        <translation>Nicht gelöscht</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/FatalError.cpp" line="54"/>
        <source>delete %1</source>
        <translation>%1 löschen</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/FatalError.cpp" line="55"/>
        <source>%1: %2, then try again.</source>
        <translation>%1: %2, und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/FatalError.cpp" line="63"/>
        <source>the disk is full</source>
        <translation>die Festplatte voll ist</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/FatalError.cpp" line="64"/>
        <source>free some space on the disk</source>
        <translation>schaffen Sie Platz auf der Festplatte</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/FatalError.cpp" line="67"/>
        <source>the database or its folder is read-only</source>
        <translation>die Datenbank oder ihr Ordner schreibgeschützt ist</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/FatalError.cpp" line="68"/>
        <source>make quillane97.mdb and its folder writable</source>
        <translation>machen Sie quillane97.mdb und ihren Ordner beschreibbar</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/FatalError.cpp" line="71"/>
        <source>another program is using the database</source>
        <translation>ein anderes Programm die Datenbank verwendet</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/FatalError.cpp" line="72"/>
        <source>close that program</source>
        <translation>schließen Sie dieses Programm</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/FatalError.cpp" line="75"/>
        <source>the disk could not be written</source>
        <translation>nicht auf die Festplatte geschrieben werden konnte</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/FatalError.cpp" line="76"/>
        <source>check the disk</source>
        <translation>prüfen Sie die Festplatte</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/FatalError.cpp" line="83"/>
        <source>Quillane could not %1 because %2. </source>
        <translation>Quillane konnte das %1 nicht abschließen, weil %2. </translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/FatalError.cpp" line="98"/>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/FatalError.cpp" line="110"/>
        <source>An unknown error has occurred.  Would you like to try again?</source>
        <translation>Ein unbekannter Fehler ist aufgetreten.  Möchten Sie es erneut versuchen?</translation>
    </message>
</context>
<context>
    <name>FreeAssociationWindow</name>
    <message>
        <location filename="../src/inspiration/FreeAssociationWindow.cpp" line="23"/>
        <source>&amp;Start</source>
        <translation>&amp;Starten</translation>
    </message>
    <message>
        <location filename="../src/inspiration/FreeAssociationWindow.cpp" line="28"/>
        <source>&amp;Stop</source>
        <translation>&amp;Anhalten</translation>
    </message>
    <message>
        <location filename="../src/inspiration/FreeAssociationWindow.cpp" line="42"/>
        <source>Free Association</source>
        <translation>Freie Assoziation</translation>
    </message>
    <message>
        <location filename="../src/inspiration/FreeAssociationWindow.cpp" line="44"/>
        <source>Stimulus:</source>
        <translation>Reiz:</translation>
    </message>
    <message>
        <location filename="../src/inspiration/FreeAssociationWindow.cpp" line="45"/>
        <source>Stimulus</source>
        <translation>Reiz</translation>
    </message>
    <message>
        <location filename="../src/inspiration/FreeAssociationWindow.cpp" line="51"/>
        <source>Response:</source>
        <translation>Reaktion:</translation>
    </message>
    <message>
        <location filename="../src/inspiration/FreeAssociationWindow.cpp" line="52"/>
        <source>Response</source>
        <translation>Reaktion</translation>
    </message>
    <message>
        <location filename="../src/inspiration/FreeAssociationWindow.cpp" line="54"/>
        <source>Stimuli and responses</source>
        <translation>Reize und Reaktionen</translation>
    </message>
    <message>
        <location filename="../src/inspiration/FreeAssociationWindow.cpp" line="56"/>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <location filename="../src/inspiration/FreeAssociationWindow.cpp" line="57"/>
        <source>&amp;Clipboard</source>
        <translation>&amp;Zwischenablage</translation>
    </message>
    <message>
        <location filename="../src/inspiration/FreeAssociationWindow.cpp" line="58"/>
        <source>Clear List</source>
        <translation>Liste leeren</translation>
    </message>
    <message>
        <location filename="../src/inspiration/FreeAssociationWindow.cpp" line="59"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <location filename="../src/inspiration/FreeAssociationWindow.cpp" line="153"/>
        <source>Stimulus: %1      Response: %2</source>
        <translation>Reiz: %1      Reaktion: %2</translation>
    </message>
</context>
<context>
    <name>HelpCommands</name>
    <message>
        <location filename="../src/app/HelpCommands.cpp" line="36"/>
        <source>You must have an Internet browser for our help files.  Your browser must recognize the .HTM extension for web files.</source>
        <translation>Für unsere Hilfedateien benötigen Sie einen Internetbrowser.  Ihr Browser muss die Endung .HTM für Webdateien erkennen.</translation>
    </message>
    <message>
        <location filename="../src/app/HelpCommands.cpp" line="38"/>
        <source>Browser Not Found</source>
        <translation>Browser nicht gefunden</translation>
    </message>
    <message>
        <location filename="../src/app/HelpCommands.cpp" line="41"/>
        <source>Help file not Opened.  Be sure that you haven&apos;t deleted files or moved files from the Quillane directory.</source>
        <translation>Die Hilfedatei wurde nicht geöffnet.  Stellen Sie sicher, dass Sie keine Dateien aus dem Quillane-Verzeichnis gelöscht oder verschoben haben.</translation>
    </message>
    <message>
        <location filename="../src/app/HelpCommands.cpp" line="43"/>
        <source>URL Failed</source>
        <translation>URL fehlgeschlagen</translation>
    </message>
    <message>
        <location filename="../src/app/HelpCommands.cpp" line="50"/>
        <source>Help could not be loaded.</source>
        <translation>Die Hilfe konnte nicht geladen werden.</translation>
    </message>
    <message>
        <location filename="../src/app/HelpCommands.cpp" line="51"/>
        <source>Help File Not Available</source>
        <translation>Hilfedatei nicht verfügbar</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <location filename="../src/shared/widgets/HelpViewer.cpp" line="79"/>
        <source>Writing Reference</source>
        <translation>Schreibratgeber</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/HelpViewer.cpp" line="83"/>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/HelpViewer.cpp" line="85"/>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/HelpViewer.cpp" line="87"/>
        <source>&amp;Forward</source>
        <translation>&amp;Vorwärts</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/HelpViewer.cpp" line="89"/>
        <source>Forward</source>
        <translation>Vorwärts</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/HelpViewer.cpp" line="94"/>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/HelpViewer.cpp" line="95"/>
        <source>Search the reference</source>
        <translation>Im Ratgeber suchen</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/HelpViewer.cpp" line="97"/>
        <source>Find &amp;Next</source>
        <translation>&amp;Weitersuchen</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/HelpViewer.cpp" line="99"/>
        <source>Find next</source>
        <translation>Weitersuchen</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/HelpViewer.cpp" line="102"/>
        <source>Search matches</source>
        <translation>Suchtreffer</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/HelpViewer.cpp" line="103"/>
        <source>999 matches</source>
        <translation>999 Treffer</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/HelpViewer.cpp" line="107"/>
        <location filename="../src/shared/widgets/HelpViewer.cpp" line="108"/>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/HelpViewer.cpp" line="113"/>
        <source>Reference text</source>
        <translation>Ratgebertext</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/HelpViewer.cpp" line="119"/>
        <source>Contents and text</source>
        <translation>Inhalt und Text</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/HelpViewer.cpp" line="321"/>
        <source>No matches</source>
        <translation>Keine Treffer</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/HelpViewer.cpp" line="323"/>
        <source>1 match</source>
        <translation>1 Treffer</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/HelpViewer.cpp" line="323"/>
        <source>%1 matches</source>
        <translation>%1 Treffer</translation>
    </message>
</context>
<context>
    <name>ListFile</name>
    <message>
        <location filename="../src/data/ListFile.cpp" line="41"/>
        <source>it is not a UTF-8 text file</source>
        <translation>es ist keine UTF-8-Textdatei</translation>
    </message>
    <message>
        <location filename="../src/data/ListFile.cpp" line="81"/>
        <source>holds a line break</source>
        <translation>enthält einen Zeilenumbruch</translation>
    </message>
    <message>
        <location filename="../src/data/ListFile.cpp" line="83"/>
        <source>begins with an invisible byte-order mark</source>
        <translation>beginnt mit einer unsichtbaren Byte-Reihenfolge-Markierung</translation>
    </message>
    <message>
        <location filename="../src/data/ListFile.cpp" line="85"/>
        <source>row %1, &quot;%2&quot;, %3, which a text file cannot keep; export it as CSV</source>
        <translation>Zeile %1, „%2“, %3, was eine Textdatei nicht aufnehmen kann; exportieren Sie sie als CSV</translation>
    </message>
</context>
<context>
    <name>ListImport</name>
    <message>
        <location filename="../src/data/ListImport.cpp" line="57"/>
        <source>%1 holds %2 values a row (%3)</source>
        <translation>%1 enthält %2 Werte pro Zeile (%3)</translation>
    </message>
    <message>
        <location filename="../src/data/ListImport.cpp" line="62"/>
        <source>%1 holds no value</source>
        <translation>%1 enthält keinen Wert</translation>
    </message>
    <message>
        <location filename="../src/data/ListImport.cpp" line="63"/>
        <source>%1 has no whole-number key</source>
        <translation>%1 hat keinen ganzzahligen Schlüssel</translation>
    </message>
</context>
<context>
    <name>ListTablesPage</name>
    <message>
        <location filename="../src/customization/ListTablesPage.cpp" line="33"/>
        <source>Text files (*.txt)</source>
        <translation>Textdateien (*.txt)</translation>
    </message>
    <message>
        <location filename="../src/customization/ListTablesPage.cpp" line="33"/>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <location filename="../src/customization/ListTablesPage.cpp" line="41"/>
        <source>Table</source>
        <translation>Tabelle</translation>
    </message>
    <message>
        <location filename="../src/customization/ListTablesPage.cpp" line="42"/>
        <source>Table:</source>
        <translation>Tabelle:</translation>
    </message>
    <message>
        <location filename="../src/customization/ListTablesPage.cpp" line="47"/>
        <source>Table rows</source>
        <translation>Tabellenzeilen</translation>
    </message>
    <message>
        <location filename="../src/customization/ListTablesPage.cpp" line="48"/>
        <source>Enter new or edit existing items here.</source>
        <translation>Geben Sie hier neue Einträge ein oder bearbeiten Sie vorhandene.</translation>
    </message>
    <message>
        <location filename="../src/customization/ListTablesPage.cpp" line="57"/>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <location filename="../src/customization/ListTablesPage.cpp" line="58"/>
        <source>&amp;Update</source>
        <translation>&amp;Aktualisieren</translation>
    </message>
    <message>
        <location filename="../src/customization/ListTablesPage.cpp" line="59"/>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <location filename="../src/customization/ListTablesPage.cpp" line="60"/>
        <source>Sentence Codes</source>
        <translation>Satzcodes</translation>
    </message>
    <message>
        <location filename="../src/customization/ListTablesPage.cpp" line="61"/>
        <source>Name Codes</source>
        <translation>Namenscodes</translation>
    </message>
    <message>
        <location filename="../src/customization/ListTablesPage.cpp" line="62"/>
        <source>Import…</source>
        <translation>Importieren…</translation>
    </message>
    <message>
        <location filename="../src/customization/ListTablesPage.cpp" line="63"/>
        <source>Add the words of a text or CSV file to this list</source>
        <translation>Die Wörter einer Text- oder CSV-Datei zu dieser Liste hinzufügen</translation>
    </message>
    <message>
        <location filename="../src/customization/ListTablesPage.cpp" line="64"/>
        <source>Export…</source>
        <translation>Exportieren…</translation>
    </message>
    <message>
        <location filename="../src/customization/ListTablesPage.cpp" line="65"/>
        <source>Save this table as a text or CSV file</source>
        <translation>Diese Tabelle als Text- oder CSV-Datei speichern</translation>
    </message>
    <message>
        <location filename="../src/customization/ListTablesPage.cpp" line="197"/>
        <source>A duplicate exists.  Please try again.</source>
        <translation>Ein Duplikat ist vorhanden.  Bitte versuchen Sie es erneut.</translation>
    </message>
    <message>
        <location filename="../src/customization/ListTablesPage.cpp" line="197"/>
        <source>Duplicate Item Exists</source>
        <translation>Duplikat vorhanden</translation>
    </message>
    <message>
        <location filename="../src/customization/ListTablesPage.cpp" line="231"/>
        <source>Are you sure that you wish to delete this item?</source>
        <translation>Möchten Sie diesen Eintrag wirklich löschen?</translation>
    </message>
    <message>
        <location filename="../src/customization/ListTablesPage.cpp" line="232"/>
        <source>Delete Item</source>
        <translation>Eintrag löschen</translation>
    </message>
    <message>
        <location filename="../src/customization/ListTablesPage.cpp" line="250"/>
        <source>You must leave at least one item in the table.</source>
        <translation>Sie müssen mindestens einen Eintrag in der Tabelle belassen.</translation>
    </message>
    <message>
        <location filename="../src/customization/ListTablesPage.cpp" line="267"/>
        <source>Only a list of one value a row can be imported into: %1.  Please choose a word, name or pattern list.</source>
        <translation>Importieren lässt sich nur in eine Liste mit einem Wert pro Zeile: %1.  Bitte wählen Sie eine Wort-, Namens- oder Musterliste.</translation>
    </message>
    <message>
        <location filename="../src/customization/ListTablesPage.cpp" line="270"/>
        <location filename="../src/customization/ListTablesPage.cpp" line="281"/>
        <location filename="../src/customization/ListTablesPage.cpp" line="299"/>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <location filename="../src/customization/ListTablesPage.cpp" line="273"/>
        <source>Import into %1</source>
        <translation>In %1 importieren</translation>
    </message>
    <message>
        <location filename="../src/customization/ListTablesPage.cpp" line="279"/>
        <source>%1 cannot be imported: %2.  Nothing was changed.</source>
        <translation>%1 kann nicht importiert werden: %2.  Es wurde nichts geändert.</translation>
    </message>
    <message>
        <location filename="../src/customization/ListTablesPage.cpp" line="293"/>
        <source>%1 added, %2 skipped (blank or already in the list).</source>
        <translation>%1 hinzugefügt, %2 übersprungen (leer oder bereits in der Liste).</translation>
    </message>
    <message>
        <location filename="../src/customization/ListTablesPage.cpp" line="298"/>
        <source>  The first line, &quot;%1&quot;, was taken as the column heading.</source>
        <translation>  Die erste Zeile, &quot;%1&quot;, wurde als Spaltenüberschrift verwendet.</translation>
    </message>
    <message>
        <location filename="../src/customization/ListTablesPage.cpp" line="306"/>
        <source>Export %1</source>
        <translation>%1 exportieren</translation>
    </message>
    <message>
        <location filename="../src/customization/ListTablesPage.cpp" line="321"/>
        <source>%1 could not be written: %2.</source>
        <translation>%1 konnte nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <location filename="../src/customization/ListTablesPage.cpp" line="322"/>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <location filename="../src/app/MainWindow.cpp" line="56"/>
        <source>Tool windows</source>
        <translation>Werkzeugfenster</translation>
    </message>
    <message>
        <location filename="../src/app/MainWindow.cpp" line="97"/>
        <source>E&amp;xit</source>
        <translation>B&amp;eenden</translation>
    </message>
    <message>
        <location filename="../src/app/MainWindow.cpp" line="98"/>
        <source>&amp;Cascade</source>
        <translation>&amp;Überlappend</translation>
    </message>
    <message>
        <location filename="../src/app/MainWindow.cpp" line="100"/>
        <source>&amp;Tile</source>
        <translation>&amp;Nebeneinander</translation>
    </message>
    <message>
        <location filename="../src/app/MainWindow.cpp" line="102"/>
        <source>&amp;Arrange Icons</source>
        <translation>&amp;Symbole anordnen</translation>
    </message>
    <message>
        <location filename="../src/app/MainWindow.cpp" line="104"/>
        <source>&amp;How to Use This Program</source>
        <translation>&amp;So verwenden Sie dieses Programm</translation>
    </message>
    <message>
        <location filename="../src/app/MainWindow.cpp" line="106"/>
        <source>&amp;Writing Reference</source>
        <translation>&amp;Schreibratgeber</translation>
    </message>
    <message>
        <location filename="../src/app/MainWindow.cpp" line="108"/>
        <source>&amp;Corvane on the Web</source>
        <translation>&amp;Corvane im Web</translation>
    </message>
    <message>
        <location filename="../src/app/MainWindow.cpp" line="110"/>
        <source>&amp;About the Quillane</source>
        <translation>&amp;Über Quillane</translation>
    </message>
    <message>
        <location filename="../src/app/MainWindow.cpp" line="112"/>
        <source>&amp;Personal Message</source>
        <translation>&amp;Persönliche Nachricht</translation>
    </message>
    <message>
        <location filename="../src/app/MainWindow.cpp" line="153"/>
        <source>Toolbar</source>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <location filename="../src/app/MainWindow.cpp" line="200"/>
        <source>Pray for Absolution</source>
        <translation>Um Absolution bitten</translation>
    </message>
    <message>
        <location filename="../src/app/MainWindow.cpp" line="314"/>
        <source>Quillane 98 is the property of the Quillane team.  All rights reserved.</source>
        <translation>Quillane 98 ist Eigentum des Quillane-Teams.  Alle Rechte vorbehalten.</translation>
    </message>
    <message>
        <location filename="../src/app/MainWindow.cpp" line="315"/>
        <source>

Your work is saved in %1.</source>
        <translation>

Ihre Arbeit wird in %1 gespeichert.</translation>
    </message>
    <message>
        <location filename="../src/app/MainWindow.cpp" line="317"/>
        <source>

Free software under the GNU General Public License, version 3 or later.</source>
        <translation>

Freie Software unter der GNU General Public License, Version 3 oder neuer.</translation>
    </message>
    <message>
        <location filename="../src/app/MainWindow.cpp" line="319"/>
        <source>Quillane 98 (Windows 95, 98).  Technical support: support@quillane.example</source>
        <translation>Quillane 98 (Windows 95, 98).  Technischer Support: support@quillane.example</translation>
    </message>
    <message>
        <location filename="../src/app/MainWindow.cpp" line="347"/>
        <source>Personal Message</source>
        <translation>Persönliche Nachricht</translation>
    </message>
    <message>
        <location filename="../src/app/MainWindow.cpp" line="354"/>
        <location filename="../src/app/MainWindow.cpp" line="380"/>
        <source>Are you sure that you wish to exit?</source>
        <translation>Möchten Sie das Programm wirklich beenden?</translation>
    </message>
</context>
<context>
    <name>MenuLayout</name>
    <message>
        <location filename="../src/app/MenuLayout.cpp" line="9"/>
        <source>C&amp;reative</source>
        <translation>&amp;Kreativ</translation>
    </message>
    <message>
        <location filename="../src/app/MenuLayout.cpp" line="13"/>
        <source>&amp;Character</source>
        <translation>&amp;Figur</translation>
    </message>
    <message>
        <location filename="../src/app/MenuLayout.cpp" line="15"/>
        <source>&amp;Story</source>
        <translation>&amp;Geschichte</translation>
    </message>
    <message>
        <location filename="../src/app/MenuLayout.cpp" line="19"/>
        <source>&amp;Window</source>
        <translation>F&amp;enster</translation>
    </message>
    <message>
        <location filename="../src/app/MenuLayout.cpp" line="22"/>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <location filename="../src/app/MenuLayout.cpp" line="32"/>
        <source>Brainstorm</source>
        <translation>Brainstorming</translation>
    </message>
    <message>
        <location filename="../src/app/MenuLayout.cpp" line="33"/>
        <source>Free Association</source>
        <translation>Freie Assoziation</translation>
    </message>
    <message>
        <location filename="../src/app/MenuLayout.cpp" line="34"/>
        <source>PsychoStimulatron</source>
        <translation>PsychoStimulatron</translation>
    </message>
    <message>
        <location filename="../src/app/MenuLayout.cpp" line="35"/>
        <source>Sentence Generator</source>
        <translation>Satzgenerator</translation>
    </message>
    <message>
        <location filename="../src/app/MenuLayout.cpp" line="36"/>
        <source>Character Generator</source>
        <translation>Figurengenerator</translation>
    </message>
    <message>
        <location filename="../src/app/MenuLayout.cpp" line="37"/>
        <source>Number Generator</source>
        <translation>Zahlengenerator</translation>
    </message>
    <message>
        <location filename="../src/app/MenuLayout.cpp" line="38"/>
        <source>Story Wizard</source>
        <translation>Geschichtenassistent</translation>
    </message>
    <message>
        <location filename="../src/app/MenuLayout.cpp" line="39"/>
        <source>Crystal Ball</source>
        <translation>Kristallkugel</translation>
    </message>
    <message>
        <location filename="../src/app/MenuLayout.cpp" line="40"/>
        <source>Plot Assistant</source>
        <translation>Handlungsassistent</translation>
    </message>
    <message>
        <location filename="../src/app/MenuLayout.cpp" line="41"/>
        <source>Scene Generator</source>
        <translation>Szenengenerator</translation>
    </message>
    <message>
        <location filename="../src/app/MenuLayout.cpp" line="42"/>
        <source>Program Help</source>
        <translation>Programmhilfe</translation>
    </message>
    <message>
        <location filename="../src/app/MenuLayout.cpp" line="43"/>
        <source>Writer&apos;s Reference</source>
        <translation>Schreibratgeber</translation>
    </message>
    <message>
        <location filename="../src/app/MenuLayout.cpp" line="44"/>
        <source>Exit Application</source>
        <translation>Anwendung beenden</translation>
    </message>
</context>
<context>
    <name>NameGeneratorWindow</name>
    <message>
        <location filename="../src/generators/NameGeneratorWindow.cpp" line="22"/>
        <source>Name Generator</source>
        <translation>Namensgenerator</translation>
    </message>
    <message>
        <location filename="../src/generators/NameGeneratorWindow.cpp" line="24"/>
        <source>Use real names</source>
        <translation>Echte Namen verwenden</translation>
    </message>
    <message>
        <location filename="../src/generators/NameGeneratorWindow.cpp" line="26"/>
        <source>Invented (like real names)</source>
        <translation>Erfunden (wie echte Namen)</translation>
    </message>
    <message>
        <location filename="../src/generators/NameGeneratorWindow.cpp" line="30"/>
        <source>Every name these choices give is held by a character or listed already, so names may repeat from now on.</source>
        <translation>Jeder Name, den diese Auswahl ergibt, gehört bereits einer Figur oder steht schon in der Liste, daher können sich Namen ab jetzt wiederholen.</translation>
    </message>
    <message>
        <location filename="../src/generators/NameGeneratorWindow.cpp" line="37"/>
        <source>C&amp;ulture:</source>
        <translation>K&amp;ultur:</translation>
    </message>
    <message>
        <location filename="../src/generators/NameGeneratorWindow.cpp" line="41"/>
        <source>Culture</source>
        <translation>Kultur</translation>
    </message>
    <message>
        <location filename="../src/generators/NameGeneratorWindow.cpp" line="42"/>
        <source>The culture that real names, and names like them, come from</source>
        <translation>Die Kultur, aus der echte Namen und ihnen ähnliche Namen stammen</translation>
    </message>
    <message>
        <location filename="../src/generators/NameGeneratorWindow.cpp" line="43"/>
        <source>Any</source>
        <translation>Beliebig</translation>
    </message>
    <message>
        <location filename="../src/generators/NameGeneratorWindow.cpp" line="47"/>
        <source>Invent names that sound like the real ones but are none of them</source>
        <translation>Namen erfinden, die wie echte klingen, aber keine echten sind</translation>
    </message>
    <message>
        <location filename="../src/generators/NameGeneratorWindow.cpp" line="98"/>
        <source>%1: is not valid.  Please use customization to delete this pattern: %2</source>
        <translation>%1: ist ungültig.  Bitte löschen Sie dieses Muster über die Anpassung: %2</translation>
    </message>
    <message>
        <location filename="../src/generators/NameGeneratorWindow.cpp" line="101"/>
        <source>Invalid Name Pattern</source>
        <translation>Ungültiges Namensmuster</translation>
    </message>
</context>
<context>
    <name>NothingToDelete</name>
    <message>
        <location filename="../src/records/NothingToDelete.h" line="10"/>
        <source>No item to delete.</source>
        <translation>Kein Eintrag zum Löschen.</translation>
    </message>
    <message>
        <location filename="../src/records/NothingToDelete.h" line="11"/>
        <source>No record to delete.</source>
        <translation>Kein Datensatz zum Löschen.</translation>
    </message>
</context>
<context>
    <name>NumberGeneratorWindow</name>
    <message>
        <location filename="../src/generators/NumberGeneratorWindow.cpp" line="78"/>
        <source>Number Generator</source>
        <translation>Zahlengenerator</translation>
    </message>
    <message>
        <location filename="../src/generators/NumberGeneratorWindow.cpp" line="89"/>
        <source>Number Types</source>
        <translation>Zahlenarten</translation>
    </message>
    <message>
        <location filename="../src/generators/NumberGeneratorWindow.cpp" line="106"/>
        <source>Parameters</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <location filename="../src/generators/NumberGeneratorWindow.cpp" line="108"/>
        <source>Last result</source>
        <translation>Letztes Ergebnis</translation>
    </message>
    <message>
        <location filename="../src/generators/NumberGeneratorWindow.cpp" line="109"/>
        <source>Lower</source>
        <translation>Untergrenze</translation>
    </message>
    <message>
        <location filename="../src/generators/NumberGeneratorWindow.cpp" line="114"/>
        <source>Upper</source>
        <translation>Obergrenze</translation>
    </message>
    <message>
        <location filename="../src/generators/NumberGeneratorWindow.cpp" line="119"/>
        <source>&amp;Timer</source>
        <translation>&amp;Zeitgeber</translation>
    </message>
    <message>
        <location filename="../src/generators/NumberGeneratorWindow.cpp" line="122"/>
        <source>&amp;Generate</source>
        <translation>&amp;Generieren</translation>
    </message>
    <message>
        <location filename="../src/generators/NumberGeneratorWindow.cpp" line="123"/>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <location filename="../src/generators/NumberGeneratorWindow.cpp" line="124"/>
        <source>&amp;Clipboard</source>
        <translation>&amp;Zwischenablage</translation>
    </message>
    <message>
        <location filename="../src/generators/NumberGeneratorWindow.cpp" line="125"/>
        <source>Clear List</source>
        <translation>Liste leeren</translation>
    </message>
    <message>
        <location filename="../src/generators/NumberGeneratorWindow.cpp" line="126"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <location filename="../src/generators/NumberGeneratorWindow.cpp" line="231"/>
        <source>Or dice notation such as 3d6+2, d20, 4d6kh3, 3d6!, d% or 2d6+1d4-1</source>
        <translation>Oder Würfelnotation wie 3d6+2, d20, 4d6kh3, 3d6!, d% oder 2d6+1d4-1</translation>
    </message>
    <message>
        <location filename="../src/generators/NumberGeneratorWindow.cpp" line="272"/>
        <source>The Number you have selected is out of range</source>
        <translation>Die gewählte Zahl liegt außerhalb des gültigen Bereichs</translation>
    </message>
    <message>
        <location filename="../src/generators/NumberGeneratorWindow.cpp" line="272"/>
        <source>Out of Range</source>
        <translation>Außerhalb des Bereichs</translation>
    </message>
    <message>
        <location filename="../src/generators/NumberGeneratorWindow.cpp" line="295"/>
        <source>Dice Notation</source>
        <translation>Würfelnotation</translation>
    </message>
</context>
<context>
    <name>NumberKinds</name>
    <message>
        <location filename="../src/engines/NumberKinds.cpp" line="69"/>
        <source>Age</source>
        <translation>Alter</translation>
    </message>
    <message>
        <location filename="../src/engines/NumberKinds.cpp" line="69"/>
        <location filename="../src/engines/NumberKinds.cpp" line="74"/>
        <location filename="../src/engines/NumberKinds.cpp" line="82"/>
        <source>Lower</source>
        <translation>Untergrenze</translation>
    </message>
    <message>
        <location filename="../src/engines/NumberKinds.cpp" line="69"/>
        <location filename="../src/engines/NumberKinds.cpp" line="74"/>
        <location filename="../src/engines/NumberKinds.cpp" line="82"/>
        <source>Upper</source>
        <translation>Obergrenze</translation>
    </message>
    <message>
        <location filename="../src/engines/NumberKinds.cpp" line="72"/>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <location filename="../src/engines/NumberKinds.cpp" line="74"/>
        <source>Distance</source>
        <translation>Entfernung</translation>
    </message>
    <message>
        <location filename="../src/engines/NumberKinds.cpp" line="77"/>
        <source>Dice</source>
        <translation>Würfel</translation>
    </message>
    <message>
        <location filename="../src/engines/NumberKinds.cpp" line="77"/>
        <source>Dice Type</source>
        <translation>Würfeltyp</translation>
    </message>
    <message>
        <location filename="../src/engines/NumberKinds.cpp" line="77"/>
        <source># of Dice</source>
        <translation>Anzahl Würfel</translation>
    </message>
    <message>
        <location filename="../src/engines/NumberKinds.cpp" line="82"/>
        <source>Percent</source>
        <translation>Prozent</translation>
    </message>
</context>
<context>
    <name>OutputText</name>
    <message>
        <location filename="../src/shared/widgets/OutputText.cpp" line="22"/>
        <source>Print List</source>
        <translation>Liste drucken</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/OutputText.cpp" line="27"/>
        <source>Clipboard Paste</source>
        <translation>Einfügen in die Zwischenablage</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/OutputText.cpp" line="34"/>
        <source>There are no items in this list.</source>
        <translation>Diese Liste enthält keine Einträge.</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/OutputText.cpp" line="34"/>
        <source>No Items</source>
        <translation>Keine Einträge</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/OutputText.cpp" line="48"/>
        <source>No printer is installed.  Would you like to save the text as a PDF file instead?</source>
        <translation>Es ist kein Drucker installiert.  Möchten Sie den Text stattdessen als PDF-Datei speichern?</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/OutputText.cpp" line="58"/>
        <source>The PDF file could not be saved.  </source>
        <translation>Die PDF-Datei konnte nicht gespeichert werden.  </translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/OutputText.cpp" line="68"/>
        <source>Is your printer on and loaded with paper.</source>
        <translation>Ist Ihr Drucker eingeschaltet und mit Papier bestückt.</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/OutputText.cpp" line="80"/>
        <source>The text could not be printed.  </source>
        <translation>Der Text konnte nicht gedruckt werden.  </translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/OutputText.cpp" line="92"/>
        <source>The text could not be copied to the clipboard.  Please try again.</source>
        <translation>Der Text konnte nicht in die Zwischenablage kopiert werden.  Bitte versuchen Sie es erneut.</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/OutputText.cpp" line="97"/>
        <source>Paste complete.  You may now paste the information into another application.</source>
        <translation>Einfügen abgeschlossen.  Sie können die Informationen jetzt in eine andere Anwendung einfügen.</translation>
    </message>
</context>
<context>
    <name>PatternListWindow</name>
    <message>
        <location filename="../src/generators/PatternListWindow.cpp" line="27"/>
        <source>Patterns</source>
        <translation>Muster</translation>
    </message>
    <message>
        <location filename="../src/generators/PatternListWindow.cpp" line="32"/>
        <source>Double-click for the key to the codes</source>
        <translation>Doppelklicken Sie für den Schlüssel zu den Codes</translation>
    </message>
    <message>
        <location filename="../src/generators/PatternListWindow.cpp" line="34"/>
        <source>Random Pattern</source>
        <translation>Zufälliges Muster</translation>
    </message>
    <message>
        <location filename="../src/generators/PatternListWindow.cpp" line="35"/>
        <source>Timer</source>
        <translation>Zeitgeber</translation>
    </message>
    <message>
        <location filename="../src/generators/PatternListWindow.cpp" line="36"/>
        <source>&amp;Generate</source>
        <translation>&amp;Generieren</translation>
    </message>
    <message>
        <location filename="../src/generators/PatternListWindow.cpp" line="37"/>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <location filename="../src/generators/PatternListWindow.cpp" line="38"/>
        <source>&amp;Clipboard</source>
        <translation>&amp;Zwischenablage</translation>
    </message>
    <message>
        <location filename="../src/generators/PatternListWindow.cpp" line="39"/>
        <source>Clear List</source>
        <translation>Liste leeren</translation>
    </message>
    <message>
        <location filename="../src/generators/PatternListWindow.cpp" line="40"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <location filename="../src/generators/PatternListWindow.cpp" line="168"/>
        <source>No pattern has been selected.</source>
        <translation>Es wurde kein Muster ausgewählt.</translation>
    </message>
    <message>
        <location filename="../src/generators/PatternListWindow.cpp" line="168"/>
        <source>Pattern Selection</source>
        <translation>Musterauswahl</translation>
    </message>
</context>
<context>
    <name>PlotCatalogue</name>
    <message>
        <location filename="../src/data/PlotCatalogue.cpp" line="80"/>
        <source>The plot catalogue is empty.</source>
        <translation>Der Handlungskatalog ist leer.</translation>
    </message>
    <message>
        <location filename="../src/data/PlotCatalogue.cpp" line="82"/>
        <source>The plot catalogue is damaged: its plots must be numbered 1, 2, 3 and so on without gaps.</source>
        <translation>Der Handlungskatalog ist beschädigt: Seine Handlungen müssen lückenlos mit 1, 2, 3 usw. nummeriert sein.</translation>
    </message>
    <message>
        <location filename="../src/data/PlotCatalogue.cpp" line="92"/>
        <source>Plot Reference</source>
        <translation>Handlungsverzeichnis</translation>
    </message>
</context>
<context>
    <name>PlotWindow</name>
    <message>
        <location filename="../src/records/PlotWindow.cpp" line="30"/>
        <location filename="../src/records/PlotWindow.cpp" line="95"/>
        <source>Plot</source>
        <translation>Handlung</translation>
    </message>
    <message>
        <location filename="../src/records/PlotWindow.cpp" line="35"/>
        <source>Plot Navigate</source>
        <translation>Handlungen durchblättern</translation>
    </message>
    <message>
        <location filename="../src/records/PlotWindow.cpp" line="37"/>
        <source>You must create your first plot by selecting New.  This will not be saved.</source>
        <translation>Sie müssen Ihre erste Handlung mit Neu anlegen.  Sie wird nicht gespeichert.</translation>
    </message>
    <message>
        <location filename="../src/records/PlotWindow.cpp" line="39"/>
        <source>Create New First</source>
        <translation>Zuerst neu erstellen</translation>
    </message>
    <message>
        <location filename="../src/records/PlotWindow.cpp" line="51"/>
        <source>Plot Suggestion</source>
        <translation>Handlungsvorschlag</translation>
    </message>
    <message>
        <location filename="../src/records/PlotWindow.cpp" line="52"/>
        <source>Plot Name</source>
        <translation>Handlungsname</translation>
    </message>
    <message>
        <location filename="../src/records/PlotWindow.cpp" line="54"/>
        <source>Plot Name:</source>
        <translation>Handlungsname:</translation>
    </message>
    <message>
        <location filename="../src/records/PlotWindow.cpp" line="56"/>
        <source>Character One:</source>
        <translation>Figur eins:</translation>
    </message>
    <message>
        <location filename="../src/records/PlotWindow.cpp" line="56"/>
        <source>Character Two:</source>
        <translation>Figur zwei:</translation>
    </message>
    <message>
        <location filename="../src/records/PlotWindow.cpp" line="56"/>
        <source>Character Three:</source>
        <translation>Figur drei:</translation>
    </message>
    <message>
        <location filename="../src/records/PlotWindow.cpp" line="59"/>
        <source>Plot Reference</source>
        <translation>Handlungsverzeichnis</translation>
    </message>
    <message>
        <location filename="../src/records/PlotWindow.cpp" line="62"/>
        <source>Plots</source>
        <translation>Handlungen</translation>
    </message>
    <message>
        <location filename="../src/records/PlotWindow.cpp" line="65"/>
        <source>Plot Description</source>
        <translation>Handlungsbeschreibung</translation>
    </message>
    <message>
        <location filename="../src/records/PlotWindow.cpp" line="76"/>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <location filename="../src/records/PlotWindow.cpp" line="77"/>
        <source>Update</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <location filename="../src/records/PlotWindow.cpp" line="78"/>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <location filename="../src/records/PlotWindow.cpp" line="79"/>
        <source>&amp;Suggest</source>
        <translation>&amp;Vorschlagen</translation>
    </message>
    <message>
        <location filename="../src/records/PlotWindow.cpp" line="80"/>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <location filename="../src/records/PlotWindow.cpp" line="81"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <location filename="../src/records/PlotWindow.cpp" line="262"/>
        <source>PlotName</source>
        <translation>Handlungsname</translation>
    </message>
    <message>
        <location filename="../src/records/PlotWindow.cpp" line="264"/>
        <source>PlotDescription</source>
        <translation>Handlungsbeschreibung</translation>
    </message>
</context>
<context>
    <name>PracticeListModel</name>
    <message>
        <location filename="../src/data/PracticeListModel.cpp" line="40"/>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <location filename="../src/data/PracticeListModel.cpp" line="40"/>
        <source>Kind</source>
        <translation>Art</translation>
    </message>
    <message>
        <location filename="../src/data/PracticeListModel.cpp" line="40"/>
        <source>Minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <location filename="../src/data/PracticeListModel.cpp" line="41"/>
        <source>Words</source>
        <translation>Wörter</translation>
    </message>
    <message>
        <location filename="../src/data/PracticeListModel.cpp" line="41"/>
        <source>WPM</source>
        <translation>WpM</translation>
    </message>
    <message>
        <location filename="../src/data/PracticeListModel.cpp" line="41"/>
        <source>First line</source>
        <translation>Erste Zeile</translation>
    </message>
</context>
<context>
    <name>PracticeLog</name>
    <message>
        <location filename="../src/data/PracticeLog.cpp" line="118"/>
        <source>Record is deleted.</source>
        <translation>Datensatz ist gelöscht.</translation>
    </message>
    <message>
        <location filename="../src/data/PracticeLog.h" line="23"/>
        <source>Writing Sprint</source>
        <translation>Schreibsprint</translation>
    </message>
    <message>
        <location filename="../src/data/PracticeLog.h" line="24"/>
        <source>Brainstorm</source>
        <translation>Brainstorming</translation>
    </message>
    <message>
        <location filename="../src/data/PracticeLog.h" line="25"/>
        <source>Free Association</source>
        <translation>Freie Assoziation</translation>
    </message>
    <message>
        <location filename="../src/data/PracticeLog.h" line="26"/>
        <source>Crystal Ball</source>
        <translation>Kristallkugel</translation>
    </message>
    <message>
        <location filename="../src/data/PracticeLog.h" line="27"/>
        <source>Story Wizard</source>
        <translation>Geschichtenassistent</translation>
    </message>
    <message>
        <location filename="../src/data/PracticeLog.h" line="28"/>
        <source>PsychoStimulatron</source>
        <translation>PsychoStimulatron</translation>
    </message>
</context>
<context>
    <name>PracticeLogWindow</name>
    <message>
        <location filename="../src/practice/PracticeLogWindow.cpp" line="41"/>
        <source>%1 word</source>
        <translation>%1 Wort</translation>
    </message>
    <message>
        <location filename="../src/practice/PracticeLogWindow.cpp" line="41"/>
        <source>%1 words</source>
        <translation>%1 Wörter</translation>
    </message>
    <message>
        <location filename="../src/practice/PracticeLogWindow.cpp" line="46"/>
        <source>%1: %2, %3, %4</source>
        <translation>%1: %2, %3, %4</translation>
    </message>
    <message>
        <location filename="../src/practice/PracticeLogWindow.cpp" line="48"/>
        <source>%1 record</source>
        <translation>%1 Eintrag</translation>
    </message>
    <message>
        <location filename="../src/practice/PracticeLogWindow.cpp" line="49"/>
        <source>%1 records</source>
        <translation>%1 Einträge</translation>
    </message>
    <message>
        <location filename="../src/practice/PracticeLogWindow.cpp" line="50"/>
        <source>%1 minute</source>
        <translation>%1 Minute</translation>
    </message>
    <message>
        <location filename="../src/practice/PracticeLogWindow.cpp" line="51"/>
        <source>%1 minutes</source>
        <translation>%1 Minuten</translation>
    </message>
    <message>
        <location filename="../src/practice/PracticeLogWindow.cpp" line="65"/>
        <source>Practice Log</source>
        <translation>Übungsprotokoll</translation>
    </message>
    <message>
        <location filename="../src/practice/PracticeLogWindow.cpp" line="77"/>
        <source>Practice records</source>
        <translation>Übungseinträge</translation>
    </message>
    <message>
        <location filename="../src/practice/PracticeLogWindow.cpp" line="94"/>
        <source>Minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <location filename="../src/practice/PracticeLogWindow.cpp" line="94"/>
        <source>WPM</source>
        <translation>WpM</translation>
    </message>
    <message>
        <location filename="../src/practice/PracticeLogWindow.cpp" line="95"/>
        <source>The first line of it</source>
        <translation>Die erste Zeile davon</translation>
    </message>
    <message>
        <location filename="../src/practice/PracticeLogWindow.cpp" line="103"/>
        <source>Practice text</source>
        <translation>Übungstext</translation>
    </message>
    <message>
        <location filename="../src/practice/PracticeLogWindow.cpp" line="115"/>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <location filename="../src/practice/PracticeLogWindow.cpp" line="116"/>
        <source>Delete the chosen practice record</source>
        <translation>Den gewählten Übungseintrag löschen</translation>
    </message>
    <message>
        <location filename="../src/practice/PracticeLogWindow.cpp" line="117"/>
        <source>&amp;Export…</source>
        <translation>&amp;Exportieren…</translation>
    </message>
    <message>
        <location filename="../src/practice/PracticeLogWindow.cpp" line="118"/>
        <source>Save the whole log as a CSV file</source>
        <translation>Das ganze Protokoll als CSV-Datei speichern</translation>
    </message>
    <message>
        <location filename="../src/practice/PracticeLogWindow.cpp" line="119"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <location filename="../src/practice/PracticeLogWindow.cpp" line="168"/>
        <location filename="../src/practice/PracticeLogWindow.cpp" line="177"/>
        <source>Words per day</source>
        <translation>Wörter pro Tag</translation>
    </message>
    <message>
        <location filename="../src/practice/PracticeLogWindow.cpp" line="173"/>
        <source>The chart could not be shown.</source>
        <translation>Das Diagramm konnte nicht angezeigt werden.</translation>
    </message>
    <message>
        <location filename="../src/practice/PracticeLogWindow.cpp" line="232"/>
        <source>This week</source>
        <translation>Diese Woche</translation>
    </message>
    <message>
        <location filename="../src/practice/PracticeLogWindow.cpp" line="233"/>
        <source>All time</source>
        <translation>Insgesamt</translation>
    </message>
    <message>
        <location filename="../src/practice/PracticeLogWindow.cpp" line="235"/>
        <source>Streak: %1</source>
        <translation>Serie: %1</translation>
    </message>
    <message>
        <location filename="../src/practice/PracticeLogWindow.cpp" line="236"/>
        <source>%1 day</source>
        <translation>%1 Tag</translation>
    </message>
    <message>
        <location filename="../src/practice/PracticeLogWindow.cpp" line="236"/>
        <source>%1 days</source>
        <translation>%1 Tage</translation>
    </message>
    <message>
        <location filename="../src/practice/PracticeLogWindow.cpp" line="249"/>
        <source>ddd d MMM</source>
        <translation>ddd, d. MMM</translation>
    </message>
    <message>
        <location filename="../src/practice/PracticeLogWindow.cpp" line="277"/>
        <source>Delete this practice record?</source>
        <translation>Diesen Übungseintrag löschen?</translation>
    </message>
    <message>
        <location filename="../src/practice/PracticeLogWindow.cpp" line="285"/>
        <source>this practice record</source>
        <translation>dieses Übungseintrags</translation>
    </message>
    <message>
        <location filename="../src/practice/PracticeLogWindow.cpp" line="285"/>
        <source>It is still there</source>
        <translation>Er ist noch vorhanden</translation>
    </message>
    <message>
        <location filename="../src/practice/PracticeLogWindow.cpp" line="291"/>
        <location filename="../src/practice/PracticeLogWindow.cpp" line="303"/>
        <source>Export Practice Log</source>
        <translation>Übungsprotokoll exportieren</translation>
    </message>
    <message>
        <location filename="../src/practice/PracticeLogWindow.cpp" line="291"/>
        <source>Practice Log.csv</source>
        <translation>Übungsprotokoll.csv</translation>
    </message>
    <message>
        <location filename="../src/practice/PracticeLogWindow.cpp" line="291"/>
        <source>CSV file (*.csv)</source>
        <translation>CSV-Datei (*.csv)</translation>
    </message>
    <message>
        <location filename="../src/practice/PracticeLogWindow.cpp" line="302"/>
        <source>The log could not be saved.  </source>
        <translation>Das Protokoll konnte nicht gespeichert werden.  </translation>
    </message>
</context>
<context>
    <name>PsychoStimulatronWindow</name>
    <message>
        <location filename="../src/inspiration/PsychoStimulatronWindow.cpp" line="28"/>
        <source>PyschoStimulatron</source>
        <translation>PsychoStimulatron</translation>
    </message>
    <message>
        <location filename="../src/inspiration/PsychoStimulatronWindow.cpp" line="39"/>
        <source>Click to think about this word</source>
        <translation>Klicken Sie, um über dieses Wort nachzudenken</translation>
    </message>
    <message>
        <location filename="../src/inspiration/PsychoStimulatronWindow.cpp" line="110"/>
        <source>Think about this word.</source>
        <translation>Denken Sie über dieses Wort nach.</translation>
    </message>
</context>
<context>
    <name>QtDesktop</name>
    <message>
        <location filename="../src/shared/desktop/QtDesktop.cpp" line="113"/>
        <source>No printer is installed.</source>
        <translation>Es ist kein Drucker installiert.</translation>
    </message>
    <message>
        <location filename="../src/shared/desktop/QtDesktop.cpp" line="122"/>
        <source>The printer %1 did not accept the document.</source>
        <translation>Der Drucker %1 hat das Dokument nicht angenommen.</translation>
    </message>
    <message>
        <location filename="../src/shared/desktop/QtDesktop.cpp" line="151"/>
        <source>Save as PDF</source>
        <translation>Als PDF speichern</translation>
    </message>
    <message>
        <location filename="../src/shared/desktop/QtDesktop.cpp" line="154"/>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
</context>
<context>
    <name>RandomRecord</name>
    <message>
        <location filename="../src/data/RandomRecord.cpp" line="83"/>
        <source>Cannot find the table &apos;%1&apos;</source>
        <translation>Die Tabelle &apos;%1&apos; kann nicht gefunden werden</translation>
    </message>
    <message>
        <location filename="../src/data/RandomRecord.cpp" line="87"/>
        <source>The table &apos;%1&apos; has no value field</source>
        <translation>Die Tabelle &apos;%1&apos; hat kein Wertfeld</translation>
    </message>
    <message>
        <location filename="../src/data/RandomRecord.cpp" line="271"/>
        <source>No current record: the table &apos;%1&apos; has no value to draw</source>
        <translation>Kein aktueller Datensatz: Die Tabelle &apos;%1&apos; hat keinen Wert, der gezogen werden kann</translation>
    </message>
    <message>
        <location filename="../src/data/RandomRecord.cpp" line="444"/>
        <location filename="../src/data/RandomRecord.cpp" line="512"/>
        <source>The database is not open</source>
        <translation>Die Datenbank ist nicht geöffnet</translation>
    </message>
</context>
<context>
    <name>RecordChoiceDialog</name>
    <message>
        <location filename="../src/shared/widgets/RecordChoiceDialog.cpp" line="40"/>
        <source>Type to filter</source>
        <translation>Zum Filtern tippen</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/RecordChoiceDialog.cpp" line="41"/>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/RecordChoiceDialog.cpp" line="55"/>
        <source>&amp;Filter:</source>
        <translation>&amp;Filter:</translation>
    </message>
</context>
<context>
    <name>RecordNavigator</name>
    <message>
        <location filename="../src/shared/widgets/RecordNavigator.cpp" line="15"/>
        <source>First record</source>
        <translation>Erster Datensatz</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/RecordNavigator.cpp" line="16"/>
        <source>Previous record</source>
        <translation>Vorheriger Datensatz</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/RecordNavigator.cpp" line="22"/>
        <source>Next record</source>
        <translation>Nächster Datensatz</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/RecordNavigator.cpp" line="23"/>
        <source>Last record</source>
        <translation>Letzter Datensatz</translation>
    </message>
</context>
<context>
    <name>RecordWindow</name>
    <message>
        <location filename="../src/records/RecordWindow.cpp" line="34"/>
        <location filename="../src/records/RecordWindow.cpp" line="456"/>
        <source>this record</source>
        <extracomment>What the refused change was about, as in &quot;Quillane could not save/add/delete …&quot;</extracomment>
        <translation>dieses Datensatzes</translation>
    </message>
    <message>
        <location filename="../src/records/RecordWindow.cpp" line="35"/>
        <source>What you typed is still here</source>
        <translation>Ihre Eingabe ist noch vorhanden</translation>
    </message>
    <message>
        <location filename="../src/records/RecordWindow.cpp" line="363"/>
        <source>This record was deleted after it was shown here, so what you typed was not saved. Save it as a new record?</source>
        <translation>Dieser Datensatz wurde gelöscht, nachdem er hier angezeigt wurde, daher wurde Ihre Eingabe nicht gespeichert. Als neuen Datensatz speichern?</translation>
    </message>
    <message>
        <location filename="../src/records/RecordWindow.cpp" line="403"/>
        <source>A duplicate exists.  Please try again.</source>
        <translation>Ein Duplikat ist vorhanden.  Bitte versuchen Sie es erneut.</translation>
    </message>
    <message>
        <location filename="../src/records/RecordWindow.cpp" line="403"/>
        <source>Duplicate Item Exists</source>
        <translation>Duplikat vorhanden</translation>
    </message>
    <message>
        <location filename="../src/records/RecordWindow.cpp" line="433"/>
        <source>a record</source>
        <extracomment>What the refused change was about, as in &quot;Quillane could not save/add/delete …&quot;</extracomment>
        <translation>eines Datensatzes</translation>
    </message>
    <message>
        <location filename="../src/records/RecordWindow.cpp" line="447"/>
        <source>No record to delete.</source>
        <translation>Kein Datensatz zum Löschen.</translation>
    </message>
    <message>
        <location filename="../src/records/RecordWindow.cpp" line="456"/>
        <source>It is still there</source>
        <translation>Er ist noch vorhanden</translation>
    </message>
    <message>
        <location filename="../src/records/RecordWindow.cpp" line="464"/>
        <source>Close the window without saving what you typed?</source>
        <translation>Fenster schließen, ohne Ihre Eingabe zu speichern?</translation>
    </message>
    <message>
        <location filename="../src/records/RecordWindow.h" line="48"/>
        <source>Are you sure you wish to delete this record?</source>
        <translation>Möchten Sie diesen Datensatz wirklich löschen?</translation>
    </message>
    <message>
        <location filename="../src/records/RecordWindow.h" line="50"/>
        <source>Delete this Record.</source>
        <translation>Diesen Datensatz löschen.</translation>
    </message>
    <message>
        <location filename="../src/records/RecordWindow.h" line="52"/>
        <source>You must have a record to delete.</source>
        <translation>Zum Löschen muss ein Datensatz vorhanden sein.</translation>
    </message>
</context>
<context>
    <name>RelationshipList</name>
    <message>
        <location filename="../src/records/RelationshipList.cpp" line="29"/>
        <source>Relationships</source>
        <translation>Beziehungen</translation>
    </message>
    <message>
        <location filename="../src/records/RelationshipList.cpp" line="35"/>
        <source>(no name)</source>
        <translation>(kein Name)</translation>
    </message>
    <message>
        <location filename="../src/records/RelationshipList.cpp" line="57"/>
        <source>Character</source>
        <translation>Figur</translation>
    </message>
    <message>
        <location filename="../src/records/RelationshipList.cpp" line="57"/>
        <source>Relationship</source>
        <translation>Beziehung</translation>
    </message>
    <message>
        <location filename="../src/records/RelationshipList.cpp" line="57"/>
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <location filename="../src/records/RelationshipList.cpp" line="63"/>
        <source>Related character</source>
        <translation>Verbundene Figur</translation>
    </message>
    <message>
        <location filename="../src/records/RelationshipList.cpp" line="68"/>
        <source>Kind of relationship</source>
        <translation>Art der Beziehung</translation>
    </message>
    <message>
        <location filename="../src/records/RelationshipList.cpp" line="76"/>
        <source>Relationship note</source>
        <translation>Notiz zur Beziehung</translation>
    </message>
    <message>
        <location filename="../src/records/RelationshipList.cpp" line="78"/>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <location filename="../src/records/RelationshipList.cpp" line="79"/>
        <source>Relate this character to the one chosen</source>
        <translation>Diese Figur mit der gewählten in Beziehung setzen</translation>
    </message>
    <message>
        <location filename="../src/records/RelationshipList.cpp" line="81"/>
        <source>Update</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <location filename="../src/records/RelationshipList.cpp" line="82"/>
        <source>Save the choices into the relationship listed</source>
        <translation>Die Auswahl in der aufgeführten Beziehung speichern</translation>
    </message>
    <message>
        <location filename="../src/records/RelationshipList.cpp" line="83"/>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <location filename="../src/records/RelationshipList.cpp" line="84"/>
        <source>Delete the relationship listed</source>
        <translation>Die aufgeführte Beziehung löschen</translation>
    </message>
    <message>
        <location filename="../src/records/RelationshipList.cpp" line="85"/>
        <source>Add relationship</source>
        <translation>Beziehung hinzufügen</translation>
    </message>
    <message>
        <location filename="../src/records/RelationshipList.cpp" line="86"/>
        <source>Update relationship</source>
        <translation>Beziehung aktualisieren</translation>
    </message>
    <message>
        <location filename="../src/records/RelationshipList.cpp" line="87"/>
        <source>Delete relationship</source>
        <translation>Beziehung löschen</translation>
    </message>
    <message>
        <location filename="../src/records/RelationshipList.cpp" line="98"/>
        <source>Character:</source>
        <translation>Figur:</translation>
    </message>
    <message>
        <location filename="../src/records/RelationshipList.cpp" line="99"/>
        <source>Relationship:</source>
        <translation>Beziehung:</translation>
    </message>
    <message>
        <location filename="../src/records/RelationshipList.cpp" line="100"/>
        <source>Note:</source>
        <translation>Notiz:</translation>
    </message>
    <message>
        <location filename="../src/records/RelationshipList.cpp" line="184"/>
        <source>Choose a character and a kind of relationship.</source>
        <translation>Wählen Sie eine Figur und eine Art der Beziehung.</translation>
    </message>
    <message>
        <location filename="../src/records/RelationshipList.cpp" line="219"/>
        <source>a relationship</source>
        <extracomment>What the refused change was about, as in &quot;Quillane could not save/add/delete …&quot;</extracomment>
        <translation>einer Beziehung</translation>
    </message>
    <message>
        <location filename="../src/records/RelationshipList.cpp" line="234"/>
        <location filename="../src/records/RelationshipList.cpp" line="251"/>
        <source>this relationship</source>
        <extracomment>What the refused change was about, as in &quot;Quillane could not save/add/delete …&quot;</extracomment>
        <translation>dieser Beziehung</translation>
    </message>
    <message>
        <location filename="../src/records/RelationshipList.cpp" line="235"/>
        <source>Your choices are still here</source>
        <translation>Ihre Auswahl ist noch vorhanden</translation>
    </message>
    <message>
        <location filename="../src/records/RelationshipList.cpp" line="251"/>
        <source>It is still there</source>
        <translation>Er ist noch vorhanden</translation>
    </message>
</context>
<context>
    <name>Relationships</name>
    <message>
        <location filename="../src/data/Relationships.cpp" line="63"/>
        <source>A character cannot be related to itself.</source>
        <translation>Eine Figur kann nicht mit sich selbst in Beziehung stehen.</translation>
    </message>
    <message>
        <location filename="../src/data/Relationships.cpp" line="79"/>
        <source>A duplicate exists.</source>
        <translation>Ein Duplikat ist vorhanden.</translation>
    </message>
    <message>
        <location filename="../src/data/Relationships.cpp" line="103"/>
        <source>Record is deleted.</source>
        <translation>Datensatz ist gelöscht.</translation>
    </message>
</context>
<context>
    <name>ResultKeeping</name>
    <message>
        <location filename="../src/shared/widgets/ResultKeeping.cpp" line="44"/>
        <source>Choose a character from the list first.</source>
        <translation>Wählen Sie zuerst eine Figur aus der Liste.</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/ResultKeeping.cpp" line="45"/>
        <source>Keep in Character</source>
        <translation>In Figur übernehmen</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/ResultKeeping.cpp" line="46"/>
        <source>&amp;Character:</source>
        <translation>&amp;Figur:</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/ResultKeeping.cpp" line="47"/>
        <source>Characters</source>
        <translation>Figuren</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/ResultKeeping.cpp" line="48"/>
        <source>Untitled character</source>
        <translation>Unbenannte Figur</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/ResultKeeping.cpp" line="49"/>
        <source>There is no character to keep it in yet.</source>
        <translation>Es gibt noch keine Figur, in die es übernommen werden kann.</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/ResultKeeping.cpp" line="50"/>
        <source>Kept in the character %1.</source>
        <translation>In die Figur %1 übernommen.</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/ResultKeeping.cpp" line="52"/>
        <source>Choose a scene from the list first.</source>
        <translation>Wählen Sie zuerst eine Szene aus der Liste.</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/ResultKeeping.cpp" line="53"/>
        <source>Keep in Scene</source>
        <translation>In Szene übernehmen</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/ResultKeeping.cpp" line="54"/>
        <source>S&amp;cene:</source>
        <translation>S&amp;zene:</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/ResultKeeping.cpp" line="55"/>
        <source>Scenes</source>
        <translation>Szenen</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/ResultKeeping.cpp" line="56"/>
        <source>Untitled scene</source>
        <translation>Unbenannte Szene</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/ResultKeeping.cpp" line="57"/>
        <source>There is no scene to keep it in yet.</source>
        <translation>Es gibt noch keine Szene, in die es übernommen werden kann.</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/ResultKeeping.cpp" line="58"/>
        <source>Kept in the scene %1.</source>
        <translation>In die Szene %1 übernommen.</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/ResultKeeping.cpp" line="62"/>
        <source>Choose a story from the list first.</source>
        <translation>Wählen Sie zuerst eine Geschichte aus der Liste.</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/ResultKeeping.cpp" line="63"/>
        <source>Keep in Story</source>
        <translation>In Geschichte übernehmen</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/ResultKeeping.cpp" line="64"/>
        <source>&amp;Story:</source>
        <translation>&amp;Geschichte:</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/ResultKeeping.cpp" line="65"/>
        <source>Stories</source>
        <translation>Geschichten</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/ResultKeeping.cpp" line="66"/>
        <source>Untitled story</source>
        <translation>Unbenannte Geschichte</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/ResultKeeping.cpp" line="67"/>
        <source>There is no story to keep it in yet.</source>
        <translation>Es gibt noch keine Geschichte, in die es übernommen werden kann.</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/ResultKeeping.cpp" line="68"/>
        <source>Kept in the story %1.</source>
        <translation>In die Geschichte %1 übernommen.</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/ResultKeeping.cpp" line="80"/>
        <source>Not Kept</source>
        <translation>Nicht übernommen</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/ResultKeeping.cpp" line="80"/>
        <source>keep this line</source>
        <translation>Übernehmen dieser Zeile</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/ResultKeeping.cpp" line="81"/>
        <source>Nothing was kept: %1, then try again.</source>
        <translation>Es wurde nichts übernommen: %1 und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/ResultKeeping.cpp" line="102"/>
        <source>Keep in &amp;New Character</source>
        <translation>In &amp;neue Figur übernehmen</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/ResultKeeping.cpp" line="104"/>
        <source>Keep in &amp;Character…</source>
        <translation>In &amp;Figur übernehmen…</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/ResultKeeping.cpp" line="106"/>
        <source>Keep in &amp;Scene…</source>
        <translation>In &amp;Szene übernehmen…</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/ResultKeeping.cpp" line="108"/>
        <source>Keep in S&amp;tory…</source>
        <translation>In &amp;Geschichte übernehmen…</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/ResultKeeping.cpp" line="253"/>
        <source>Keep in New Character</source>
        <translation>In neue Figur übernehmen</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/ResultKeeping.cpp" line="254"/>
        <source>Kept in a new character, %1.</source>
        <translation>In eine neue Figur übernommen, %1.</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/ResultKeeping.cpp" line="255"/>
        <source>Kept in a new character.</source>
        <translation>In eine neue Figur übernommen.</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/ResultKeeping.cpp" line="289"/>
        <source>Keep “%1” in:</source>
        <translation>„%1“ übernehmen in:</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/ResultKeeping.cpp" line="321"/>
        <source>Replace the name %1 with %2?</source>
        <translation>Den Namen %1 durch %2 ersetzen?</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/ResultKeeping.cpp" line="322"/>
        <source>Replace the age %1 with %2?</source>
        <translation>Das Alter %1 durch %2 ersetzen?</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/ResultKeeping.cpp" line="347"/>
        <source>There is already a character named %1.</source>
        <translation>Es gibt bereits eine Figur namens %1.</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/ResultKeeping.cpp" line="349"/>
        <source>That record was deleted meanwhile.  Choose another one.</source>
        <translation>Dieser Datensatz wurde inzwischen gelöscht.  Wählen Sie einen anderen.</translation>
    </message>
</context>
<context>
    <name>RollSeedFields</name>
    <message>
        <location filename="../src/records/RollSeedFields.cpp" line="32"/>
        <source>Seed</source>
        <translation>Startwert</translation>
    </message>
    <message>
        <location filename="../src/records/RollSeedFields.cpp" line="68"/>
        <source>Seed %1</source>
        <translation>Startwert %1</translation>
    </message>
    <message>
        <location filename="../src/records/RollSeedFields.cpp" line="82"/>
        <source>Generate from Seed with this seed draws these values again.</source>
        <translation>„Aus Startwert generieren“ mit diesem Startwert zieht diese Werte erneut.</translation>
    </message>
    <message>
        <location filename="../src/records/RollSeedFields.cpp" line="84"/>
        <source>
Not drawn: %1.</source>
        <translation>
Nicht gezogen: %1.</translation>
    </message>
</context>
<context>
    <name>SceneWindow</name>
    <message>
        <location filename="../src/records/SceneWindow.cpp" line="29"/>
        <source>Scene Generator</source>
        <translation>Szenengenerator</translation>
    </message>
    <message>
        <location filename="../src/records/SceneWindow.cpp" line="34"/>
        <source>Scene Navigate</source>
        <translation>Szenen durchblättern</translation>
    </message>
    <message>
        <location filename="../src/records/SceneWindow.cpp" line="36"/>
        <source>You must create your first scene by selecting New.  This will not be saved.</source>
        <translation>Sie müssen Ihre erste Szene mit Neu anlegen.  Sie wird nicht gespeichert.</translation>
    </message>
    <message>
        <location filename="../src/records/SceneWindow.cpp" line="38"/>
        <source>Create New First</source>
        <translation>Zuerst neu erstellen</translation>
    </message>
    <message>
        <location filename="../src/records/SceneWindow.cpp" line="51"/>
        <location filename="../src/records/SceneWindow.cpp" line="54"/>
        <source>Scene Notes</source>
        <translation>Szenennotizen</translation>
    </message>
    <message>
        <location filename="../src/records/SceneWindow.cpp" line="52"/>
        <source>Scene Name</source>
        <translation>Szenenname</translation>
    </message>
    <message>
        <location filename="../src/records/SceneWindow.cpp" line="59"/>
        <source>Scene Description</source>
        <translation>Szenenbeschreibung</translation>
    </message>
    <message>
        <location filename="../src/records/SceneWindow.cpp" line="60"/>
        <location filename="../src/records/SceneWindow.cpp" line="210"/>
        <source>Weather</source>
        <translation>Wetter</translation>
    </message>
    <message>
        <location filename="../src/records/SceneWindow.cpp" line="61"/>
        <location filename="../src/records/SceneWindow.cpp" line="211"/>
        <source>Location</source>
        <translation>Ort</translation>
    </message>
    <message>
        <location filename="../src/records/SceneWindow.cpp" line="62"/>
        <location filename="../src/records/SceneWindow.cpp" line="212"/>
        <source>Conflict</source>
        <translation>Konflikt</translation>
    </message>
    <message>
        <location filename="../src/records/SceneWindow.cpp" line="63"/>
        <source>Time of Day</source>
        <translation>Tageszeit</translation>
    </message>
    <message>
        <location filename="../src/records/SceneWindow.cpp" line="65"/>
        <source>Characters</source>
        <translation>Figuren</translation>
    </message>
    <message>
        <location filename="../src/records/SceneWindow.cpp" line="68"/>
        <source>One:</source>
        <translation>Eins:</translation>
    </message>
    <message>
        <location filename="../src/records/SceneWindow.cpp" line="68"/>
        <source>Two:</source>
        <translation>Zwei:</translation>
    </message>
    <message>
        <location filename="../src/records/SceneWindow.cpp" line="68"/>
        <source>Three:</source>
        <translation>Drei:</translation>
    </message>
    <message>
        <location filename="../src/records/SceneWindow.cpp" line="80"/>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <location filename="../src/records/SceneWindow.cpp" line="81"/>
        <source>Generate a new scene</source>
        <translation>Eine neue Szene generieren</translation>
    </message>
    <message>
        <location filename="../src/records/SceneWindow.cpp" line="83"/>
        <source>&amp;Generate</source>
        <translation>&amp;Generieren</translation>
    </message>
    <message>
        <location filename="../src/records/SceneWindow.cpp" line="84"/>
        <source>Update</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <location filename="../src/records/SceneWindow.cpp" line="85"/>
        <source>Save this scene</source>
        <translation>Diese Szene speichern</translation>
    </message>
    <message>
        <location filename="../src/records/SceneWindow.cpp" line="86"/>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <location filename="../src/records/SceneWindow.cpp" line="87"/>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <location filename="../src/records/SceneWindow.cpp" line="88"/>
        <source>Print this scene</source>
        <translation>Diese Szene drucken</translation>
    </message>
    <message>
        <location filename="../src/records/SceneWindow.cpp" line="90"/>
        <source>Clipboard</source>
        <translation>Zwischenablage</translation>
    </message>
    <message>
        <location filename="../src/records/SceneWindow.cpp" line="91"/>
        <source>Save this scene to the clipboard to paste into another program</source>
        <translation>Diese Szene in die Zwischenablage speichern, um sie in ein anderes Programm einzufügen</translation>
    </message>
    <message>
        <location filename="../src/records/SceneWindow.cpp" line="93"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <location filename="../src/records/SceneWindow.cpp" line="93"/>
        <source>Close this form</source>
        <translation>Dieses Formular schließen</translation>
    </message>
    <message>
        <location filename="../src/records/SceneWindow.cpp" line="94"/>
        <source>Timer</source>
        <translation>Zeitgeber</translation>
    </message>
    <message>
        <location filename="../src/records/SceneWindow.cpp" line="102"/>
        <source>Scene Name:</source>
        <translation>Szenenname:</translation>
    </message>
    <message>
        <location filename="../src/records/SceneWindow.cpp" line="108"/>
        <source>Weather:</source>
        <translation>Wetter:</translation>
    </message>
    <message>
        <location filename="../src/records/SceneWindow.cpp" line="109"/>
        <source>Location:</source>
        <translation>Ort:</translation>
    </message>
    <message>
        <location filename="../src/records/SceneWindow.cpp" line="110"/>
        <source>Conflict:</source>
        <translation>Konflikt:</translation>
    </message>
    <message>
        <location filename="../src/records/SceneWindow.cpp" line="111"/>
        <source>Time:</source>
        <translation>Zeit:</translation>
    </message>
    <message>
        <location filename="../src/records/SceneWindow.cpp" line="123"/>
        <source>Scene Profiles</source>
        <translation>Szenenprofile</translation>
    </message>
    <message>
        <location filename="../src/records/SceneWindow.cpp" line="187"/>
        <source>Generate</source>
        <translation>Generieren</translation>
    </message>
    <message>
        <location filename="../src/records/SceneWindow.cpp" line="197"/>
        <source>Keep</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <location filename="../src/records/SceneWindow.cpp" line="208"/>
        <source>SceneName</source>
        <translation>Szenenname</translation>
    </message>
    <message>
        <location filename="../src/records/SceneWindow.cpp" line="209"/>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <location filename="../src/records/SceneWindow.cpp" line="213"/>
        <source>TimeOfDay</source>
        <translation>Tageszeit</translation>
    </message>
</context>
<context>
    <name>SeededGeneration</name>
    <message>
        <location filename="../src/shared/widgets/SeededGeneration.cpp" line="28"/>
        <source>Generate from Seed</source>
        <translation>Aus Startwert generieren</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/SeededGeneration.cpp" line="40"/>
        <source>Seed %1</source>
        <translation>Startwert %1</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/SeededGeneration.cpp" line="225"/>
        <source>The lists this seed drew from have changed since: %1.  The same seed may give another result.  Generate anyway?</source>
        <translation>Die Listen, aus denen dieser Startwert gezogen hat, haben sich seitdem geändert: %1.  Derselbe Startwert kann ein anderes Ergebnis liefern.  Trotzdem generieren?</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/SeededGeneration.cpp" line="234"/>
        <source>Generate once more from the seed:</source>
        <translation>Noch einmal aus dem Startwert generieren:</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/SeededGeneration.cpp" line="241"/>
        <source>%1 is not a seed.  A seed is a whole number from 0 to 4294967295.</source>
        <translation>%1 ist kein Startwert.  Ein Startwert ist eine ganze Zahl von 0 bis 4294967295.</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/SeededGeneration.cpp" line="249"/>
        <source>&amp;Generate from Seed…</source>
        <translation>&amp;Aus Startwert generieren…</translation>
    </message>
</context>
<context>
    <name>SentenceCodes</name>
    <message>
        <location filename="../src/engines/SentenceCodes.h" line="22"/>
        <source>noun</source>
        <translation>Substantiv</translation>
    </message>
    <message>
        <location filename="../src/engines/SentenceCodes.h" line="24"/>
        <source>verb</source>
        <translation>Verb</translation>
    </message>
    <message>
        <location filename="../src/engines/SentenceCodes.h" line="26"/>
        <source>article</source>
        <translation>Artikel</translation>
    </message>
    <message>
        <location filename="../src/engines/SentenceCodes.h" line="29"/>
        <source>pronoun</source>
        <translation>Pronomen</translation>
    </message>
    <message>
        <location filename="../src/engines/SentenceCodes.h" line="31"/>
        <source>preposition</source>
        <translation>Präposition</translation>
    </message>
    <message>
        <location filename="../src/engines/SentenceCodes.h" line="32"/>
        <source>adverb</source>
        <translation>Adverb</translation>
    </message>
    <message>
        <location filename="../src/engines/SentenceCodes.h" line="35"/>
        <source>direct object pronoun</source>
        <translation>Objektpronomen</translation>
    </message>
    <message>
        <location filename="../src/engines/SentenceCodes.h" line="38"/>
        <source>possessive pronoun</source>
        <translation>Possessivpronomen</translation>
    </message>
    <message>
        <location filename="../src/engines/SentenceCodes.h" line="40"/>
        <source>adjective</source>
        <translation>Adjektiv</translation>
    </message>
</context>
<context>
    <name>SentencePattern</name>
    <message>
        <location filename="../src/engines/SentencePattern.h" line="49"/>
        <source>Not a valid custom sentence pattern.</source>
        <translation>Kein gültiges eigenes Satzmuster.</translation>
    </message>
</context>
<context>
    <name>SentenceWindow</name>
    <message>
        <location filename="../src/generators/SentenceWindow.cpp" line="8"/>
        <source>Sentence Generator</source>
        <translation>Satzgenerator</translation>
    </message>
    <message>
        <location filename="../src/generators/SentenceWindow.cpp" line="19"/>
        <source>%1: is not valid.  Please use the customization feature to delete this.</source>
        <translation>%1: ist ungültig.  Bitte löschen Sie es über die Anpassung.</translation>
    </message>
    <message>
        <location filename="../src/generators/SentenceWindow.cpp" line="22"/>
        <source>Invalid Sentence Pattern</source>
        <translation>Ungültiges Satzmuster</translation>
    </message>
</context>
<context>
    <name>SettingsPage</name>
    <message>
        <location filename="../src/customization/SettingsPage.cpp" line="27"/>
        <source>Environment</source>
        <translation>Umgebung</translation>
    </message>
    <message>
        <location filename="../src/customization/SettingsPage.cpp" line="28"/>
        <source>Display Toolbar</source>
        <translation>Werkzeugleiste anzeigen</translation>
    </message>
    <message>
        <location filename="../src/customization/SettingsPage.cpp" line="30"/>
        <location filename="../src/customization/SettingsPage.cpp" line="36"/>
        <source>Timer Interval</source>
        <translation>Zeitgeber-Intervall</translation>
    </message>
    <message>
        <location filename="../src/customization/SettingsPage.cpp" line="33"/>
        <source>Timer Interval: (seconds)</source>
        <translation>Zeitgeber-Intervall: (Sekunden)</translation>
    </message>
    <message>
        <location filename="../src/customization/SettingsPage.cpp" line="46"/>
        <location filename="../src/customization/SettingsPage.cpp" line="49"/>
        <source>Personal Message</source>
        <translation>Persönliche Nachricht</translation>
    </message>
    <message>
        <location filename="../src/customization/SettingsPage.cpp" line="47"/>
        <source>Never run with scissors.</source>
        <translation>Niemals mit der Schere rennen.</translation>
    </message>
    <message>
        <location filename="../src/customization/SettingsPage.cpp" line="52"/>
        <source>Initial Form</source>
        <translation>Startformular</translation>
    </message>
    <message>
        <location filename="../src/customization/SettingsPage.cpp" line="63"/>
        <source>Tool Windows</source>
        <translation>Werkzeugfenster</translation>
    </message>
    <message>
        <location filename="../src/customization/SettingsPage.cpp" line="64"/>
        <source>Keep tool windows side by side</source>
        <translation>Werkzeugfenster nebeneinander behalten</translation>
    </message>
    <message>
        <location filename="../src/customization/SettingsPage.cpp" line="66"/>
        <source>On: activating a tool window leaves the others as they are, and Tile and Cascade arrange all open windows. Off: the active window is shown alone.</source>
        <translation>Ein: Beim Aktivieren eines Werkzeugfensters bleiben die anderen, wie sie sind, und Nebeneinander und Überlappend ordnen alle offenen Fenster an. Aus: Das aktive Fenster wird allein gezeigt.</translation>
    </message>
    <message>
        <location filename="../src/customization/SettingsPage.cpp" line="69"/>
        <source>&amp;Update</source>
        <translation>&amp;Aktualisieren</translation>
    </message>
    <message>
        <location filename="../src/customization/SettingsPage.cpp" line="121"/>
        <source>Interval greater then twenty not accepted.</source>
        <translation>Ein Intervall über zwanzig wird nicht akzeptiert.</translation>
    </message>
    <message>
        <location filename="../src/customization/SettingsPage.cpp" line="131"/>
        <source>Interval less then one not accepted.</source>
        <translation>Ein Intervall unter eins wird nicht akzeptiert.</translation>
    </message>
</context>
<context>
    <name>ShowerSurface</name>
    <message>
        <location filename="../src/inspiration/ShowerSurface.cpp" line="9"/>
        <source>Circles</source>
        <translation>Kreise</translation>
    </message>
</context>
<context>
    <name>SpinButton</name>
    <message>
        <location filename="../src/shared/widgets/SpinButton.cpp" line="50"/>
        <source>%1 spin button</source>
        <translation>%1 Drehfeld</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/SpinButton.cpp" line="51"/>
        <source>%1 up</source>
        <translation>%1 aufwärts</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/SpinButton.cpp" line="52"/>
        <source>%1 down</source>
        <translation>%1 abwärts</translation>
    </message>
</context>
<context>
    <name>SprintPrompt</name>
    <message>
        <location filename="../src/practice/SprintPrompt.cpp" line="49"/>
        <source>No prompt</source>
        <translation>Kein Impuls</translation>
    </message>
    <message>
        <location filename="../src/practice/SprintPrompt.cpp" line="49"/>
        <source>Random sentence</source>
        <translation>Zufälliger Satz</translation>
    </message>
    <message>
        <location filename="../src/practice/SprintPrompt.cpp" line="49"/>
        <source>Crystal Ball advice</source>
        <translation>Rat der Kristallkugel</translation>
    </message>
    <message>
        <location filename="../src/practice/SprintPrompt.cpp" line="50"/>
        <source>Story Wizard question</source>
        <translation>Frage des Geschichtenassistenten</translation>
    </message>
</context>
<context>
    <name>SprintWindow</name>
    <message>
        <location filename="../src/practice/SprintWindow.cpp" line="38"/>
        <source>%1 word</source>
        <translation>%1 Wort</translation>
    </message>
    <message>
        <location filename="../src/practice/SprintWindow.cpp" line="38"/>
        <source>%1 words</source>
        <translation>%1 Wörter</translation>
    </message>
    <message>
        <location filename="../src/practice/SprintWindow.cpp" line="43"/>
        <source>%1 word a minute</source>
        <translation>%1 Wort pro Minute</translation>
    </message>
    <message>
        <location filename="../src/practice/SprintWindow.cpp" line="44"/>
        <source>%1 words a minute</source>
        <translation>%1 Wörter pro Minute</translation>
    </message>
    <message>
        <location filename="../src/practice/SprintWindow.cpp" line="51"/>
        <source>%1 minute</source>
        <translation>%1 Minute</translation>
    </message>
    <message>
        <location filename="../src/practice/SprintWindow.cpp" line="51"/>
        <source>%1 minutes</source>
        <translation>%1 Minuten</translation>
    </message>
    <message>
        <location filename="../src/practice/SprintWindow.cpp" line="53"/>
        <source>%1 second</source>
        <translation>%1 Sekunde</translation>
    </message>
    <message>
        <location filename="../src/practice/SprintWindow.cpp" line="53"/>
        <source>%1 seconds</source>
        <translation>%1 Sekunden</translation>
    </message>
    <message>
        <location filename="../src/practice/SprintWindow.cpp" line="56"/>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <location filename="../src/practice/SprintWindow.cpp" line="76"/>
        <source>Writing Sprint</source>
        <translation>Schreibsprint</translation>
    </message>
    <message>
        <location filename="../src/practice/SprintWindow.cpp" line="89"/>
        <source>Minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <location filename="../src/practice/SprintWindow.cpp" line="93"/>
        <source>Word goal</source>
        <translation>Wortziel</translation>
    </message>
    <message>
        <location filename="../src/practice/SprintWindow.cpp" line="95"/>
        <source>None</source>
        <translation>Keins</translation>
    </message>
    <message>
        <location filename="../src/practice/SprintWindow.cpp" line="97"/>
        <source>Prompt</source>
        <translation>Impuls</translation>
    </message>
    <message>
        <location filename="../src/practice/SprintWindow.cpp" line="99"/>
        <source>No deleting</source>
        <translation>Kein Löschen</translation>
    </message>
    <message>
        <location filename="../src/practice/SprintWindow.cpp" line="100"/>
        <source>While the sprint runs, nothing written can be taken back</source>
        <translation>Während der Sprint läuft, kann nichts Geschriebenes zurückgenommen werden</translation>
    </message>
    <message>
        <location filename="../src/practice/SprintWindow.cpp" line="101"/>
        <location filename="../src/practice/SprintWindow.cpp" line="302"/>
        <source>&amp;Start</source>
        <translation>&amp;Starten</translation>
    </message>
    <message>
        <location filename="../src/practice/SprintWindow.cpp" line="102"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <location filename="../src/practice/SprintWindow.cpp" line="105"/>
        <source>Prompt text</source>
        <translation>Impulstext</translation>
    </message>
    <message>
        <location filename="../src/practice/SprintWindow.cpp" line="111"/>
        <source>Sprint text</source>
        <translation>Sprinttext</translation>
    </message>
    <message>
        <location filename="../src/practice/SprintWindow.cpp" line="113"/>
        <source>Press Start, then write.</source>
        <translation>Drücken Sie auf „Starten“ und schreiben Sie dann los.</translation>
    </message>
    <message>
        <location filename="../src/practice/SprintWindow.cpp" line="117"/>
        <source>Words</source>
        <translation>Wörter</translation>
    </message>
    <message>
        <location filename="../src/practice/SprintWindow.cpp" line="118"/>
        <source>Characters</source>
        <translation>Figuren</translation>
    </message>
    <message>
        <location filename="../src/practice/SprintWindow.cpp" line="119"/>
        <source>Words a minute</source>
        <translation>Wörter pro Minute</translation>
    </message>
    <message>
        <location filename="../src/practice/SprintWindow.cpp" line="120"/>
        <source>Time left</source>
        <translation>Verbleibende Zeit</translation>
    </message>
    <message>
        <location filename="../src/practice/SprintWindow.cpp" line="130"/>
        <source>&amp;Minutes:</source>
        <translation>&amp;Minuten:</translation>
    </message>
    <message>
        <location filename="../src/practice/SprintWindow.cpp" line="133"/>
        <source>Word &amp;goal:</source>
        <translation>&amp;Wortziel:</translation>
    </message>
    <message>
        <location filename="../src/practice/SprintWindow.cpp" line="136"/>
        <source>&amp;Prompt:</source>
        <translation>&amp;Impuls:</translation>
    </message>
    <message>
        <location filename="../src/practice/SprintWindow.cpp" line="266"/>
        <source>this sprint</source>
        <translation>dieses Sprints</translation>
    </message>
    <message>
        <location filename="../src/practice/SprintWindow.cpp" line="266"/>
        <location filename="../src/practice/SprintWindow.cpp" line="288"/>
        <source>What you wrote is still here</source>
        <translation>Ihr Text ist noch vorhanden</translation>
    </message>
    <message>
        <location filename="../src/practice/SprintWindow.cpp" line="270"/>
        <source>Sprint saved: %1 in %2, %3.</source>
        <translation>Sprint gespeichert: %1 in %2, %3.</translation>
    </message>
    <message>
        <location filename="../src/practice/SprintWindow.cpp" line="287"/>
        <source>your changes to this sprint</source>
        <translation>Ihrer Änderungen an diesem Sprint</translation>
    </message>
    <message>
        <location filename="../src/practice/SprintWindow.cpp" line="298"/>
        <source>&amp;Stop</source>
        <translation>&amp;Anhalten</translation>
    </message>
    <message>
        <location filename="../src/practice/SprintWindow.cpp" line="300"/>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <location filename="../src/practice/SprintWindow.cpp" line="313"/>
        <source>%1 of %2 words</source>
        <translation>%1 von %2 Wörtern</translation>
    </message>
    <message>
        <location filename="../src/practice/SprintWindow.cpp" line="315"/>
        <source>%1 character</source>
        <translation>%1 Zeichen</translation>
    </message>
    <message>
        <location filename="../src/practice/SprintWindow.cpp" line="315"/>
        <source>%1 characters</source>
        <translation>%1 Zeichen</translation>
    </message>
    <message>
        <location filename="../src/practice/SprintWindow.cpp" line="322"/>
        <source>%1:%2 left</source>
        <translation>noch %1:%2</translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <location filename="../src/app/StartUp.cpp" line="39"/>
        <source>%1 is a folder, not a Quillane database</source>
        <translation>%1 ist ein Ordner, keine Quillane-Datenbank</translation>
    </message>
    <message>
        <location filename="../src/app/StartUp.cpp" line="41"/>
        <source>%1 is not a Quillane database</source>
        <translation>%1 ist keine Quillane-Datenbank</translation>
    </message>
    <message>
        <location filename="../src/app/StartUp.cpp" line="47"/>
        <source>%1 does not exist, nor does its folder %2</source>
        <translation>%1 existiert nicht, ebenso wenig sein Ordner %2</translation>
    </message>
    <message>
        <location filename="../src/app/StartUp.cpp" line="51"/>
        <source>%1 does not exist, and the fresh database to make it from is missing (%2)</source>
        <translation>%1 existiert nicht, und die frische Datenbank, aus der sie angelegt würde, fehlt (%2)</translation>
    </message>
    <message>
        <location filename="../src/app/StartUp.cpp" line="55"/>
        <source>%1 does not exist.  Make a fresh Quillane database there?</source>
        <translation>%1 existiert nicht.  Dort eine frische Quillane-Datenbank anlegen?</translation>
    </message>
    <message>
        <location filename="../src/app/StartUp.cpp" line="59"/>
        <source>could not make %1 (check that its folder can be written and the disk has room)</source>
        <translation>%1 konnte nicht angelegt werden (prüfen Sie, ob der Ordner beschreibbar ist und der Datenträger Platz hat)</translation>
    </message>
</context>
<context>
    <name>StoryAndStageWindow</name>
    <message>
        <location filename="../src/records/StoryAndStageWindow.cpp" line="46"/>
        <source>Character</source>
        <translation>Figur</translation>
    </message>
    <message>
        <location filename="../src/records/StoryAndStageWindow.cpp" line="47"/>
        <source>Character:</source>
        <translation>Figur:</translation>
    </message>
    <message>
        <location filename="../src/records/StoryAndStageWindow.cpp" line="49"/>
        <source>Character List</source>
        <translation>Figurenliste</translation>
    </message>
    <message>
        <location filename="../src/records/StoryAndStageWindow.cpp" line="53"/>
        <source>New Character</source>
        <translation>Neue Figur</translation>
    </message>
    <message>
        <location filename="../src/records/StoryAndStageWindow.cpp" line="54"/>
        <source>Now select a character from the drop down and click the Update button.</source>
        <translation>Wählen Sie nun eine Figur aus der Dropdown-Liste und klicken Sie auf die Schaltfläche „Aktualisieren“.</translation>
    </message>
    <message>
        <location filename="../src/records/StoryAndStageWindow.cpp" line="56"/>
        <source>Select your character.</source>
        <translation>Wählen Sie Ihre Figur aus.</translation>
    </message>
    <message>
        <location filename="../src/records/StoryAndStageWindow.cpp" line="71"/>
        <location filename="../src/records/StoryAndStageWindow.cpp" line="165"/>
        <location filename="../src/records/StoryAndStageWindow.cpp" line="277"/>
        <source>Plot</source>
        <translation>Handlung</translation>
    </message>
    <message>
        <location filename="../src/records/StoryAndStageWindow.cpp" line="72"/>
        <source>Plot:</source>
        <translation>Handlung:</translation>
    </message>
    <message>
        <location filename="../src/records/StoryAndStageWindow.cpp" line="74"/>
        <source>Plot List</source>
        <translation>Handlungsliste</translation>
    </message>
    <message>
        <location filename="../src/records/StoryAndStageWindow.cpp" line="78"/>
        <source>New Plot</source>
        <translation>Neue Handlung</translation>
    </message>
    <message>
        <location filename="../src/records/StoryAndStageWindow.cpp" line="79"/>
        <source>Now select a plot from the drop down and click the Update button.</source>
        <translation>Wählen Sie nun eine Handlung aus der Dropdown-Liste und klicken Sie auf die Schaltfläche „Aktualisieren“.</translation>
    </message>
    <message>
        <location filename="../src/records/StoryAndStageWindow.cpp" line="81"/>
        <source>Select your plot.</source>
        <translation>Wählen Sie Ihre Handlung aus.</translation>
    </message>
    <message>
        <location filename="../src/records/StoryAndStageWindow.cpp" line="90"/>
        <source>Scene</source>
        <translation>Szene</translation>
    </message>
    <message>
        <location filename="../src/records/StoryAndStageWindow.cpp" line="91"/>
        <source>Scene:</source>
        <translation>Szene:</translation>
    </message>
    <message>
        <location filename="../src/records/StoryAndStageWindow.cpp" line="93"/>
        <source>Scene List</source>
        <translation>Szenenliste</translation>
    </message>
    <message>
        <location filename="../src/records/StoryAndStageWindow.cpp" line="96"/>
        <source>Add a new scene</source>
        <translation>Eine neue Szene hinzufügen</translation>
    </message>
    <message>
        <location filename="../src/records/StoryAndStageWindow.cpp" line="97"/>
        <source>Update this scene</source>
        <translation>Diese Szene aktualisieren</translation>
    </message>
    <message>
        <location filename="../src/records/StoryAndStageWindow.cpp" line="99"/>
        <source>Delete this scene</source>
        <translation>Diese Szene löschen</translation>
    </message>
    <message>
        <location filename="../src/records/StoryAndStageWindow.cpp" line="100"/>
        <source>New Scene</source>
        <translation>Neue Szene</translation>
    </message>
    <message>
        <location filename="../src/records/StoryAndStageWindow.cpp" line="101"/>
        <source>Now select a scene from the drop down and click the Update button.</source>
        <translation>Wählen Sie nun eine Szene aus der Dropdown-Liste und klicken Sie auf die Schaltfläche „Aktualisieren“.</translation>
    </message>
    <message>
        <location filename="../src/records/StoryAndStageWindow.cpp" line="103"/>
        <source>Select your scene.</source>
        <translation>Wählen Sie Ihre Szene aus.</translation>
    </message>
    <message>
        <location filename="../src/records/StoryAndStageWindow.cpp" line="123"/>
        <location filename="../src/records/StoryAndStageWindow.cpp" line="266"/>
        <source>Story and Stage</source>
        <translation>Geschichte und Bühne</translation>
    </message>
    <message>
        <location filename="../src/records/StoryAndStageWindow.cpp" line="127"/>
        <location filename="../src/records/StoryAndStageWindow.cpp" line="152"/>
        <location filename="../src/records/StoryAndStageWindow.cpp" line="302"/>
        <source>Story</source>
        <translation>Geschichte</translation>
    </message>
    <message>
        <location filename="../src/records/StoryAndStageWindow.cpp" line="132"/>
        <source>Are you sure that you want to delete this story?</source>
        <translation>Möchten Sie diese Geschichte wirklich löschen?</translation>
    </message>
    <message>
        <location filename="../src/records/StoryAndStageWindow.cpp" line="133"/>
        <source>Are you Sure?</source>
        <translation>Sind Sie sicher?</translation>
    </message>
    <message>
        <location filename="../src/records/StoryAndStageWindow.cpp" line="134"/>
        <source>No item to delete.</source>
        <translation>Kein Eintrag zum Löschen.</translation>
    </message>
    <message>
        <location filename="../src/records/StoryAndStageWindow.cpp" line="145"/>
        <source>Story Name</source>
        <translation>Name der Geschichte</translation>
    </message>
    <message>
        <location filename="../src/records/StoryAndStageWindow.cpp" line="146"/>
        <source>Story ID</source>
        <translation>ID der Geschichte</translation>
    </message>
    <message>
        <location filename="../src/records/StoryAndStageWindow.cpp" line="148"/>
        <source>Pick a story profile</source>
        <translation>Wählen Sie ein Geschichtsprofil</translation>
    </message>
    <message>
        <location filename="../src/records/StoryAndStageWindow.cpp" line="155"/>
        <source>Story Description</source>
        <translation>Beschreibung der Geschichte</translation>
    </message>
    <message>
        <location filename="../src/records/StoryAndStageWindow.cpp" line="156"/>
        <source>Enter a description of this story</source>
        <translation>Geben Sie eine Beschreibung dieser Geschichte ein</translation>
    </message>
    <message>
        <location filename="../src/records/StoryAndStageWindow.cpp" line="158"/>
        <location filename="../src/records/StoryAndStageWindow.cpp" line="167"/>
        <location filename="../src/records/StoryAndStageWindow.cpp" line="281"/>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <location filename="../src/records/StoryAndStageWindow.cpp" line="164"/>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <location filename="../src/records/StoryAndStageWindow.cpp" line="166"/>
        <location filename="../src/records/StoryAndStageWindow.cpp" line="275"/>
        <source>Characters</source>
        <translation>Figuren</translation>
    </message>
    <message>
        <location filename="../src/records/StoryAndStageWindow.cpp" line="168"/>
        <location filename="../src/records/StoryAndStageWindow.cpp" line="279"/>
        <source>Scenes</source>
        <translation>Szenen</translation>
    </message>
    <message>
        <location filename="../src/records/StoryAndStageWindow.cpp" line="175"/>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <location filename="../src/records/StoryAndStageWindow.cpp" line="175"/>
        <source>Create a new story</source>
        <translation>Eine neue Geschichte erstellen</translation>
    </message>
    <message>
        <location filename="../src/records/StoryAndStageWindow.cpp" line="176"/>
        <source>Update</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <location filename="../src/records/StoryAndStageWindow.cpp" line="177"/>
        <source>Save this profile</source>
        <translation>Dieses Profil speichern</translation>
    </message>
    <message>
        <location filename="../src/records/StoryAndStageWindow.cpp" line="178"/>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <location filename="../src/records/StoryAndStageWindow.cpp" line="179"/>
        <source>Delete this profile</source>
        <translation>Dieses Profil löschen</translation>
    </message>
    <message>
        <location filename="../src/records/StoryAndStageWindow.cpp" line="180"/>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <location filename="../src/records/StoryAndStageWindow.cpp" line="181"/>
        <source>Print a report on the selected story</source>
        <translation>Einen Bericht über die ausgewählte Geschichte drucken</translation>
    </message>
    <message>
        <location filename="../src/records/StoryAndStageWindow.cpp" line="183"/>
        <source>Clipboard</source>
        <translation>Zwischenablage</translation>
    </message>
    <message>
        <location filename="../src/records/StoryAndStageWindow.cpp" line="184"/>
        <source>Paste a copy of the story to the clipboard</source>
        <translation>Eine Kopie der Geschichte in die Zwischenablage einfügen</translation>
    </message>
    <message>
        <location filename="../src/records/StoryAndStageWindow.cpp" line="186"/>
        <source>Export…</source>
        <translation>Exportieren…</translation>
    </message>
    <message>
        <location filename="../src/records/StoryAndStageWindow.cpp" line="187"/>
        <source>Save the whole story as a web page or Markdown</source>
        <translation>Die ganze Geschichte als Webseite oder Markdown speichern</translation>
    </message>
    <message>
        <location filename="../src/records/StoryAndStageWindow.cpp" line="194"/>
        <source>Story Name:</source>
        <translation>Name der Geschichte:</translation>
    </message>
    <message>
        <location filename="../src/records/StoryAndStageWindow.cpp" line="195"/>
        <source>ID:</source>
        <translation>ID:</translation>
    </message>
    <message>
        <location filename="../src/records/StoryAndStageWindow.cpp" line="199"/>
        <source>Story List</source>
        <translation>Liste der Geschichten</translation>
    </message>
    <message>
        <location filename="../src/records/StoryAndStageWindow.cpp" line="247"/>
        <source>Enter the name for this story.</source>
        <translation>Geben Sie den Namen dieser Geschichte ein.</translation>
    </message>
    <message>
        <location filename="../src/records/StoryAndStageWindow.cpp" line="304"/>
        <location filename="../src/records/StoryAndStageWindow.cpp" line="320"/>
        <source>Export Story</source>
        <translation>Geschichte exportieren</translation>
    </message>
    <message>
        <location filename="../src/records/StoryAndStageWindow.cpp" line="305"/>
        <source>Web page (*.html)</source>
        <translation>Webseite (*.html)</translation>
    </message>
    <message>
        <location filename="../src/records/StoryAndStageWindow.cpp" line="305"/>
        <source>Markdown (*.md)</source>
        <translation>Markdown (*.md)</translation>
    </message>
    <message>
        <location filename="../src/records/StoryAndStageWindow.cpp" line="314"/>
        <source>Cast map of %1</source>
        <translation>Figurenkarte von %1</translation>
    </message>
    <message>
        <location filename="../src/records/StoryAndStageWindow.cpp" line="319"/>
        <source>The story could not be saved.  %1</source>
        <translation>Die Geschichte konnte nicht gespeichert werden.  %1</translation>
    </message>
</context>
<context>
    <name>StoryCast</name>
    <message>
        <location filename="../src/records/StoryCast.cpp" line="27"/>
        <source>Untitled character</source>
        <translation>Unbenannte Figur</translation>
    </message>
</context>
<context>
    <name>StoryLinkList</name>
    <message>
        <location filename="../src/records/StoryLinkList.cpp" line="48"/>
        <source>Story ID</source>
        <translation>ID der Geschichte</translation>
    </message>
    <message>
        <location filename="../src/records/StoryLinkList.cpp" line="86"/>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <location filename="../src/records/StoryLinkList.cpp" line="86"/>
        <source>Update</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <location filename="../src/records/StoryLinkList.cpp" line="86"/>
        <source>Refresh List</source>
        <translation>Liste aktualisieren</translation>
    </message>
    <message>
        <location filename="../src/records/StoryLinkList.cpp" line="86"/>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <location filename="../src/records/StoryLinkList.cpp" line="99"/>
        <source>Story ID:</source>
        <translation>ID der Geschichte:</translation>
    </message>
    <message>
        <location filename="../src/records/StoryLinkList.cpp" line="206"/>
        <location filename="../src/records/StoryLinkList.cpp" line="257"/>
        <source>these links</source>
        <extracomment>What the refused change was about, as in &quot;Quillane could not save/add/delete …&quot;</extracomment>
        <translation>dieser Verknüpfungen</translation>
    </message>
    <message>
        <location filename="../src/records/StoryLinkList.cpp" line="206"/>
        <source>Your choices are still here</source>
        <translation>Ihre Auswahl ist noch vorhanden</translation>
    </message>
    <message>
        <location filename="../src/records/StoryLinkList.cpp" line="220"/>
        <source>a link</source>
        <extracomment>What the refused change was about, as in &quot;Quillane could not save/add/delete …&quot;</extracomment>
        <translation>einer Verknüpfung</translation>
    </message>
    <message>
        <location filename="../src/records/StoryLinkList.cpp" line="257"/>
        <source>They are still there</source>
        <translation>Sie sind noch vorhanden</translation>
    </message>
</context>
<context>
    <name>StoryWizardWindow</name>
    <message>
        <location filename="../src/inspiration/StoryWizardWindow.cpp" line="68"/>
        <location filename="../src/inspiration/StoryWizardWindow.cpp" line="218"/>
        <source>Story Wizard</source>
        <translation>Geschichtenassistent</translation>
    </message>
    <message>
        <location filename="../src/inspiration/StoryWizardWindow.cpp" line="82"/>
        <source>Select the category of questions</source>
        <translation>Wählen Sie die Kategorie der Fragen aus</translation>
    </message>
    <message>
        <location filename="../src/inspiration/StoryWizardWindow.cpp" line="83"/>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <location filename="../src/inspiration/StoryWizardWindow.cpp" line="87"/>
        <source>Quillane question to aid you in getting started.</source>
        <translation>Eine Frage von Quillane, die Ihnen den Einstieg erleichtert.</translation>
    </message>
    <message>
        <location filename="../src/inspiration/StoryWizardWindow.cpp" line="88"/>
        <source>Question</source>
        <translation>Frage</translation>
    </message>
    <message>
        <location filename="../src/inspiration/StoryWizardWindow.cpp" line="91"/>
        <source>Place your answer to the question in this field and hit ENTER.</source>
        <translation>Geben Sie Ihre Antwort auf die Frage in dieses Feld ein und drücken Sie die EINGABETASTE.</translation>
    </message>
    <message>
        <location filename="../src/inspiration/StoryWizardWindow.cpp" line="92"/>
        <source>Answer</source>
        <translation>Antwort</translation>
    </message>
    <message>
        <location filename="../src/inspiration/StoryWizardWindow.cpp" line="95"/>
        <source>Questions and answers</source>
        <translation>Fragen und Antworten</translation>
    </message>
    <message>
        <location filename="../src/inspiration/StoryWizardWindow.cpp" line="97"/>
        <source>&amp;Clipboard</source>
        <translation>&amp;Zwischenablage</translation>
    </message>
    <message>
        <location filename="../src/inspiration/StoryWizardWindow.cpp" line="98"/>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <location filename="../src/inspiration/StoryWizardWindow.cpp" line="99"/>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <location filename="../src/inspiration/StoryWizardWindow.cpp" line="100"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <location filename="../src/inspiration/StoryWizardWindow.cpp" line="111"/>
        <source>Question &amp;&amp; Answer</source>
        <translation>Frage &amp;&amp; Antwort</translation>
    </message>
    <message>
        <location filename="../src/inspiration/StoryWizardWindow.cpp" line="113"/>
        <source>Category:</source>
        <translation>Kategorie:</translation>
    </message>
    <message>
        <location filename="../src/inspiration/StoryWizardWindow.cpp" line="116"/>
        <source>Question:</source>
        <translation>Frage:</translation>
    </message>
    <message>
        <location filename="../src/inspiration/StoryWizardWindow.cpp" line="119"/>
        <source>Answer:</source>
        <translation>Antwort:</translation>
    </message>
    <message>
        <location filename="../src/inspiration/StoryWizardWindow.cpp" line="123"/>
        <source>Response</source>
        <translation>Reaktion</translation>
    </message>
    <message>
        <location filename="../src/inspiration/StoryWizardWindow.cpp" line="201"/>
        <source>The questions of this category could not be read.
%1</source>
        <translation>Die Fragen dieser Kategorie konnten nicht gelesen werden.
%1</translation>
    </message>
    <message>
        <location filename="../src/inspiration/StoryWizardWindow.cpp" line="206"/>
        <source>There are no questions in this category yet.</source>
        <translation>In dieser Kategorie gibt es noch keine Fragen.</translation>
    </message>
    <message>
        <location filename="../src/inspiration/StoryWizardWindow.cpp" line="249"/>
        <source>Question: %1</source>
        <translation>Frage: %1</translation>
    </message>
    <message>
        <location filename="../src/inspiration/StoryWizardWindow.cpp" line="251"/>
        <source>Answer: No response</source>
        <translation>Antwort: Keine Antwort</translation>
    </message>
    <message>
        <location filename="../src/inspiration/StoryWizardWindow.cpp" line="252"/>
        <source>Answer: %1</source>
        <translation>Antwort: %1</translation>
    </message>
</context>
<context>
    <name>TextPrinting</name>
    <message>
        <location filename="../src/shared/desktop/TextPrinting.cpp" line="33"/>
        <source>The file %1 could not be written.</source>
        <translation>Die Datei %1 konnte nicht geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>ToolWindowCatalog</name>
    <message>
        <location filename="../src/shared/widgets/ToolWindowCatalog.cpp" line="12"/>
        <source>&amp;Brainstorm</source>
        <translation>&amp;Brainstorming</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/ToolWindowCatalog.cpp" line="13"/>
        <source>Brainstorm</source>
        <translation>Brainstorming</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/ToolWindowCatalog.cpp" line="14"/>
        <source>&amp;Free Association</source>
        <translation>&amp;Freie Assoziation</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/ToolWindowCatalog.cpp" line="15"/>
        <source>Free Association</source>
        <translation>Freie Assoziation</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/ToolWindowCatalog.cpp" line="16"/>
        <source>&amp;PsychoStimulatron</source>
        <translation>&amp;PsychoStimulatron</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/ToolWindowCatalog.cpp" line="17"/>
        <source>Psychostimulatron</source>
        <translation>PsychoStimulatron</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/ToolWindowCatalog.cpp" line="19"/>
        <source>&amp;Sentence Generator</source>
        <translation>&amp;Satzgenerator</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/ToolWindowCatalog.cpp" line="20"/>
        <source>Sentence Generator</source>
        <translation>Satzgenerator</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/ToolWindowCatalog.cpp" line="22"/>
        <source>&amp;Number Generator</source>
        <translation>&amp;Zahlengenerator</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/ToolWindowCatalog.cpp" line="23"/>
        <source>Number Generator</source>
        <translation>Zahlengenerator</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/ToolWindowCatalog.cpp" line="26"/>
        <source>&amp;Customization</source>
        <translation>&amp;Anpassung</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/ToolWindowCatalog.cpp" line="30"/>
        <source>Character &amp;Generator</source>
        <translation>Figuren&amp;generator</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/ToolWindowCatalog.cpp" line="31"/>
        <source>Character Generator</source>
        <translation>Figurengenerator</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/ToolWindowCatalog.cpp" line="32"/>
        <source>&amp;Name Generator</source>
        <translation>&amp;Namensgenerator</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/ToolWindowCatalog.cpp" line="33"/>
        <source>Name Generator</source>
        <translation>Namensgenerator</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/ToolWindowCatalog.cpp" line="34"/>
        <source>Story &amp;Wizard</source>
        <translation>Geschichten&amp;assistent</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/ToolWindowCatalog.cpp" line="35"/>
        <source>Story Wizard</source>
        <translation>Geschichtenassistent</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/ToolWindowCatalog.cpp" line="36"/>
        <source>&amp;Crystal Ball</source>
        <translation>&amp;Kristallkugel</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/ToolWindowCatalog.cpp" line="37"/>
        <source>Crystal Ball</source>
        <translation>Kristallkugel</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/ToolWindowCatalog.cpp" line="39"/>
        <source>Story &amp;and Stage</source>
        <translation>&amp;Geschichte und Bühne</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/ToolWindowCatalog.cpp" line="40"/>
        <source>Story and Stage</source>
        <translation>Geschichte und Bühne</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/ToolWindowCatalog.cpp" line="41"/>
        <source>&amp;Plot</source>
        <translation>&amp;Handlung</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/ToolWindowCatalog.cpp" line="42"/>
        <source>Plot Wizard</source>
        <translation>Handlungsassistent</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/ToolWindowCatalog.cpp" line="45"/>
        <source>&amp;Scene Generator</source>
        <translation>&amp;Szenengenerator</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/ToolWindowCatalog.cpp" line="51"/>
        <source>W&amp;riting Sprint</source>
        <translation>Sch&amp;reibsprint</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/ToolWindowCatalog.cpp" line="57"/>
        <source>Practice &amp;Log</source>
        <translation>Übungsprot&amp;okoll</translation>
    </message>
    <message>
        <location filename="../src/shared/widgets/ToolWindowCatalog.cpp" line="63"/>
        <source>Cast &amp;Map</source>
        <translation>&amp;Figurenkarte</translation>
    </message>
</context>
<context>
    <name>WindowServices</name>
    <message>
        <location filename="../src/shared/widgets/WindowServices.cpp" line="30"/>
        <source>An error occurred on control %1</source>
        <translation>Am Steuerelement %1 ist ein Fehler aufgetreten</translation>
    </message>
</context>
</TS>
