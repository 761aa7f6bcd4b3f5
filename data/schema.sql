-- The schema of quillane97.mdb. The build creates the database from this file and the table
-- files beside it (tables/<table>.txt, one value per line, or tables/<table>.tsv with a header).
-- This is the first version of the layout: the build then runs the steps that bring older files
-- up to date (src/data/SchemaUpgrade.cpp), which add the later columns.
--
-- List tables: a whole-number key first and the value second, the value field named like the
-- table. The random draw reads the second field by position, so the order of fields matters.
-- Each value is unique (ignoring case, but for the patterns, whose letters are codes that
-- tell case apart) so that the customization grid refuses a duplicate;
-- empty values (Null) may repeat, since a new grid row is saved empty before it is typed into.

CREATE TABLE "noun" (
    ID INTEGER PRIMARY KEY,
    "noun" TEXT COLLATE NOCASE UNIQUE
);

CREATE TABLE "verb" (
    ID INTEGER PRIMARY KEY,
    "verb" TEXT COLLATE NOCASE UNIQUE
);

CREATE TABLE "adjective" (
    ID INTEGER PRIMARY KEY,
    "adjective" TEXT COLLATE NOCASE UNIQUE
);

CREATE TABLE "adverb" (
    ID INTEGER PRIMARY KEY,
    "adverb" TEXT COLLATE NOCASE UNIQUE
);

CREATE TABLE "article" (
    ID INTEGER PRIMARY KEY,
    "article" TEXT COLLATE NOCASE UNIQUE
);

CREATE TABLE "pronouns" (
    ID INTEGER PRIMARY KEY,
    "pronouns" TEXT COLLATE NOCASE UNIQUE
);

CREATE TABLE "preposition" (
    ID INTEGER PRIMARY KEY,
    "preposition" TEXT COLLATE NOCASE UNIQUE
);

CREATE TABLE "possessivePronoun" (
    ID INTEGER PRIMARY KEY,
    "possessivePronoun" TEXT COLLATE NOCASE UNIQUE
);

CREATE TABLE "directObjectPronoun" (
    ID INTEGER PRIMARY KEY,
    "directObjectPronoun" TEXT COLLATE NOCASE UNIQUE
);

CREATE TABLE "questionWords" (
    ID INTEGER PRIMARY KEY,
    "questionWords" TEXT COLLATE NOCASE UNIQUE
);

CREATE TABLE "advice" (
    ID INTEGER PRIMARY KEY,
    "advice" TEXT COLLATE NOCASE UNIQUE
);

CREATE TABLE "maleName" (
    ID INTEGER PRIMARY KEY,
    "maleName" TEXT COLLATE NOCASE UNIQUE
);

CREATE TABLE "femaleName" (
    ID INTEGER PRIMARY KEY,
    "femaleName" TEXT COLLATE NOCASE UNIQUE
);

CREATE TABLE "surnames" (
    ID INTEGER PRIMARY KEY,
    "surnames" TEXT COLLATE NOCASE UNIQUE
);

CREATE TABLE "gender" (
    ID INTEGER PRIMARY KEY,
    "gender" TEXT COLLATE NOCASE UNIQUE
);

CREATE TABLE "hair" (
    ID INTEGER PRIMARY KEY,
    "hair" TEXT COLLATE NOCASE UNIQUE
);

CREATE TABLE "eyes" (
    ID INTEGER PRIMARY KEY,
    "eyes" TEXT COLLATE NOCASE UNIQUE
);

CREATE TABLE "country" (
    ID INTEGER PRIMARY KEY,
    "country" TEXT COLLATE NOCASE UNIQUE
);

CREATE TABLE "languages" (
    ID INTEGER PRIMARY KEY,
    "languages" TEXT COLLATE NOCASE UNIQUE
);

CREATE TABLE "family" (
    ID INTEGER PRIMARY KEY,
    "family" TEXT COLLATE NOCASE UNIQUE
);

CREATE TABLE "education" (
    ID INTEGER PRIMARY KEY,
    "education" TEXT COLLATE NOCASE UNIQUE
);

CREATE TABLE "religion" (
    ID INTEGER PRIMARY KEY,
    "religion" TEXT COLLATE NOCASE UNIQUE
);

CREATE TABLE "wealth" (
    ID INTEGER PRIMARY KEY,
    "wealth" TEXT COLLATE NOCASE UNIQUE
);

CREATE TABLE "occupation" (
    ID INTEGER PRIMARY KEY,
    "occupation" TEXT COLLATE NOCASE UNIQUE
);

CREATE TABLE "hobbies" (
    ID INTEGER PRIMARY KEY,
    "hobbies" TEXT COLLATE NOCASE UNIQUE
);

CREATE TABLE "interests" (
    ID INTEGER PRIMARY KEY,
    "interests" TEXT COLLATE NOCASE UNIQUE
);

CREATE TABLE "mental" (
    ID INTEGER PRIMARY KEY,
    "mental" TEXT COLLATE NOCASE UNIQUE
);

CREATE TABLE "materialism" (
    ID INTEGER PRIMARY KEY,
    "materialism" TEXT COLLATE NOCASE UNIQUE
);

CREATE TABLE "morality" (
    ID INTEGER PRIMARY KEY,
    "morality" TEXT COLLATE NOCASE UNIQUE
);

CREATE TABLE "motivation" (
    ID INTEGER PRIMARY KEY,
    "motivation" TEXT COLLATE NOCASE UNIQUE
);

CREATE TABLE "intellect" (
    ID INTEGER PRIMARY KEY,
    "intellect" TEXT COLLATE NOCASE UNIQUE
);

CREATE TABLE "thrift" (
    ID INTEGER PRIMARY KEY,
    "thrift" TEXT COLLATE NOCASE UNIQUE
);

CREATE TABLE "weather" (
    ID INTEGER PRIMARY KEY,
    "weather" TEXT COLLATE NOCASE UNIQUE
);

CREATE TABLE "conflict" (
    ID INTEGER PRIMARY KEY,
    "conflict" TEXT COLLATE NOCASE UNIQUE
);

CREATE TABLE "location" (
    ID INTEGER PRIMARY KEY,
    "location" TEXT COLLATE NOCASE UNIQUE
);

CREATE TABLE "time_of_day" (
    ID INTEGER PRIMARY KEY,
    "time_of_day" TEXT COLLATE NOCASE UNIQUE
);

CREATE TABLE "time" (
    ID INTEGER PRIMARY KEY,
    "time" TEXT COLLATE NOCASE UNIQUE
);

CREATE TABLE "UnitOfMeasure" (
    ID INTEGER PRIMARY KEY,
    "UnitOfMeasure" TEXT COLLATE NOCASE UNIQUE
);

CREATE TABLE "sentencePattern" (
    ID INTEGER PRIMARY KEY,
    "sentencePattern" TEXT UNIQUE
);

CREATE TABLE "namePattern" (
    ID INTEGER PRIMARY KEY,
    "namePattern" TEXT UNIQUE
);

-- The settings row: only the first row is ever used. A later version adds sideBySide.
CREATE TABLE customize (
    timerInterval REAL,
    personalReminder TEXT,
    toolBar INTEGER,
    startForm INTEGER
);

-- The plot catalogue: id runs 1 to n without gaps, in table order.
CREATE TABLE plots (
    id INTEGER PRIMARY KEY,
    plot_name TEXT,
    plot_description TEXT
);

-- Questions of the story wizard, asked in key order within their category. Categories are
-- listed in the order of their first question, so every listed category has questions.
CREATE TABLE questions (
    ID INTEGER PRIMARY KEY,
    category TEXT NOT NULL COLLATE NOCASE,
    question TEXT NOT NULL
);

-- Record tables. Keys are never reused (AUTOINCREMENT), so a story's links can never come to
-- point at a later record. A hide flag of -1 keeps a row out of every window; new rows get 0.
--
-- A character is a duplicate when its name is taken (in any case). Later versions add Notes, and
-- to characters, plot and scene profiles the seed of their last roll.
CREATE TABLE "character" (
    ID INTEGER PRIMARY KEY AUTOINCREMENT,
    visible INTEGER NOT NULL DEFAULT 0,
    Name TEXT,
    Gender TEXT,
    Hair TEXT,
    Eye TEXT,
    Height TEXT,
    Weight TEXT,
    Age TEXT,
    Country TEXT,
    Language TEXT,
    Family TEXT,
    Education TEXT,
    Religion TEXT,
    Wealth TEXT,
    Occupation TEXT,
    Hobby TEXT,
    Interest TEXT,
    "Mental State" TEXT,
    Materialism TEXT,
    Morality TEXT,
    Motivation TEXT,
    Intellect TEXT,
    Thrift TEXT
);
CREATE UNIQUE INDEX characterName ON "character" (Name COLLATE NOCASE);

-- A plot profile is a duplicate when its plot and all three characters match another's, since
-- plot names alone come from a short catalogue and repeat often.
CREATE TABLE "Plot Profile" (
    ID INTEGER PRIMARY KEY AUTOINCREMENT,
    "Plot Name" TEXT,
    "Character One" TEXT,
    "Motivation One" TEXT,
    "Character Two" TEXT,
    "Motivation Two" TEXT,
    "Character Three" TEXT,
    "Motivation Three" TEXT,
    visible INTEGER NOT NULL DEFAULT 0
);
CREATE UNIQUE INDEX plotProfileContents ON "Plot Profile" ("Plot Name", "Character One",
    "Motivation One", "Character Two", "Motivation Two", "Character Three", "Motivation Three");

-- A scene profile is a duplicate when its name is taken.
CREATE TABLE "Scene Profile" (
    ID INTEGER PRIMARY KEY AUTOINCREMENT,
    "Scene Name" TEXT,
    Weather TEXT,
    Conflict TEXT,
    Location TEXT,
    "Time of Day" TEXT,
    "Character One" TEXT,
    "Motivation One" TEXT,
    "Character Two" TEXT,
    "Motivation Two" TEXT,
    "Character Three" TEXT,
    "Motivation Three" TEXT,
    "Scene Notes" TEXT,
    visible INTEGER NOT NULL DEFAULT 0
);
CREATE UNIQUE INDEX sceneProfileName ON "Scene Profile" ("Scene Name" COLLATE NOCASE);

-- A story is a duplicate when its name is taken.
CREATE TABLE "Story Profile" (
    ID INTEGER PRIMARY KEY AUTOINCREMENT,
    "Story Name" TEXT,
    "Story Description" TEXT,
    Notes TEXT
);
CREATE UNIQUE INDEX storyProfileName ON "Story Profile" ("Story Name" COLLATE NOCASE);

-- Links of a story: an item is linked to a story at most once.
CREATE TABLE Story_Character (
    ID INTEGER PRIMARY KEY AUTOINCREMENT,
    Story_ID INTEGER,
    Character_ID INTEGER,
    Note TEXT
);
CREATE UNIQUE INDEX storyCharacterLink ON Story_Character (Story_ID, Character_ID);

CREATE TABLE Story_Plot (
    Id INTEGER PRIMARY KEY AUTOINCREMENT,
    Story_ID INTEGER,
    Plot_ID INTEGER,
    Comment TEXT
);
CREATE UNIQUE INDEX storyPlotLink ON Story_Plot (Story_ID, Plot_ID);

CREATE TABLE Story_Scene (
    ID INTEGER PRIMARY KEY AUTOINCREMENT,
    Story_ID INTEGER,
    Scene_ID INTEGER
);
CREATE UNIQUE INDEX storySceneLink ON Story_Scene (Story_ID, Scene_ID);

-- Stored queries.
CREATE VIEW qryStory_Character AS
    SELECT Story_Character.ID, "character".Name, Story_Character.Story_ID,
           Story_Character.Character_ID, Story_Character.Note
    FROM "character" INNER JOIN Story_Character ON "character".ID = Story_Character.Character_ID;

CREATE VIEW qryStory_Plot AS
    SELECT Story_Plot.Id, "Plot Profile"."Plot Name", "Plot Profile"."Character One",
           "Plot Profile"."Motivation One", "Plot Profile"."Character Two",
           "Plot Profile"."Motivation Two", "Plot Profile"."Character Three",
           "Plot Profile"."Motivation Three", Story_Plot.Comment, Story_Plot.Story_ID,
           Story_Plot.Plot_ID
    FROM Story_Plot INNER JOIN "Plot Profile" ON Story_Plot.Plot_ID = "Plot Profile".ID;

CREATE VIEW qryStoryScene AS
    SELECT Story_Scene.ID, "Scene Profile"."Scene Name", Story_Scene.Story_ID,
           Story_Scene.Scene_ID
    FROM "Scene Profile" INNER JOIN Story_Scene ON "Scene Profile".ID = Story_Scene.Scene_ID;

CREATE VIEW questionCategory AS
    SELECT category FROM questions GROUP BY category COLLATE NOCASE ORDER BY min(ID);

-- Stored queries that take parameters, kept as SQL text. Their table's name begins with "MSys",
-- which marks it as the program's own: the customization window never lists such tables.
CREATE TABLE MSysQueries (
    name TEXT PRIMARY KEY COLLATE NOCASE,
    sql TEXT NOT NULL
);
INSERT INTO MSysQueries (name, sql) VALUES ('questionList',
    'SELECT question FROM questions WHERE category = :CATEGORY COLLATE NOCASE ORDER BY ID');
