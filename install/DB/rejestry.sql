-- Registers database: the register of contractors, kept by the registers program.
CREATE TABLE IF NOT EXISTS [rej_wykonawcow] (
  [lp] INTEGER PRIMARY KEY,
  [field1] TEXT,
  [field2] TEXT,
  [field3] TEXT,
  [field4] TEXT,
  [field5] TEXT,
  [field6] TEXT,
  [field7] TEXT,
  [field8] TEXT
);
