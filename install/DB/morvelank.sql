-- Main database: one row per proceeding and the counter of proceeding ids.
-- Text columns are TEXT so that values keep the text they were written with.
CREATE TABLE IF NOT EXISTS [postepowanie] (
  [id] INTEGER PRIMARY KEY,
  [wersja] INTEGER,
  [tryb] INTEGER,
  [tryb2] INTEGER,
  [pole0] TEXT,
  [pole1] TEXT,
  [pole2] TEXT,
  [pole3] TEXT,
  [pole4] TEXT,
  [pole5] TEXT,
  [pole6] TEXT,
  [pole7] TEXT,
  [pole8] TEXT,
  [pole9] TEXT,
  [sygnatura] TEXT,
  [data_utworzenia] TEXT,
  [data_ost_modyf] TEXT
);

-- The last proceeding id handed out (one row once the first id is taken).
CREATE TABLE IF NOT EXISTS [maxid] (
  [maxid] INTEGER
);
