#!/usr/bin/env bash
# Every test over an installation folder a developer has used: proceedings in the summary's
# table, contracts in the register, a template of their own and a file in the program's temporary
# folder. The run passes whatever the folder holds and leaves it byte for byte as it was.
# The script fills the installation's databases, so it wants a build folder nobody uses: a clean
# clone (as CI runs it), or one of its own named by MORVELANK_BUILD_DIR:
#   MORVELANK_BUILD_DIR=$PWD/build-used tests/used_installation.sh [arguments of test.sh...]
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../scripts/common.sh"

if [ -e "$installation/DB" ]; then
  echo "used_installation: $installation exists already; this script fills its databases," \
       "so give it a build folder of its own (MORVELANK_BUILD_DIR)" >&2
  exit 2
fi
"$repo/scripts/setup.sh"
"$repo/scripts/build.sh" installation

# What a morning's work leaves, written as the program and the register write it.
sqlite3 -bail "$installation/DB/morvelank.mdb" <<'SQL'
INSERT INTO [postepowanie] ([id], [wersja], [tryb], [tryb2], [pole0], [sygnatura], [data_utworzenia], [data_ost_modyf])
VALUES (1, 2019, 65, 1, 'Remont drogi gminnej', 'ZP.271.1.2025', '2025-09-01 08:10', '2025-09-01 09:30'),
       (2, 2019, 65, 2, 'Dostawa wody', 'ZP.271.2.2025', '2025-09-01 09:40', '2025-09-01 09:45'),
       (3, 2019, 65, 3, 'Odbior odpadow', 'ZP.271.3.2025', '2025-09-01 10:00', '2025-09-02 11:00'),
       (4, 2019, 1, 1, 'Budowa boiska', 'ZP.271.4.2025', '2025-09-02 12:00', '2025-09-02 12:30'),
       (5, 2019, 1, 2, 'Zakup komputerow', 'ZP.271.5.2025', '2025-09-03 08:00', '2025-09-03 08:05');
INSERT INTO [maxid] ([maxid]) VALUES (5);
SQL
sqlite3 -bail "$installation/DB/rejestry.mdb" <<'SQL'
CREATE TABLE IF NOT EXISTS [ewidencja_zamowien] ([id] INTEGER PRIMARY KEY AUTOINCREMENT, [data] TEXT NOT NULL,
  [przedmiot] TEXT NOT NULL, [rodzaj] TEXT NOT NULL, [wartosc_netto_gr] INTEGER NOT NULL, [wykonawca] TEXT NOT NULL,
  [cpv] TEXT, [znak_sprawy] TEXT);
INSERT INTO [ewidencja_zamowien] ([data], [przedmiot], [rodzaj], [wartosc_netto_gr], [wykonawca], [cpv], [znak_sprawy])
VALUES ('2025-09-01', 'Papier biurowy', 'dostawy', 123400, 'Hurtownia Biurowa', '30197630-1', 'ZP.272.1.2025');
INSERT INTO [rej_wykonawcow] ([lp], [field1], [field2]) VALUES (1, 'Hurtownia Biurowa', 'ul. Polna 1');
SQL
# Own templates start as a copy of the newest set, as the proceeding window makes them.
mkdir -p "$installation/szablony_moje" "$installation/temp"
cp -r "$installation/szablony_202509/." "$installation/szablony_moje/"
own_template=$(find "$installation/szablony_moje" -name '*.rtf' | sort | head -n 1)
sed -i 's/ /  /' "$own_template"
printf 'zalacznik\n' > "$installation/temp/zalacznik.rtf"

fingerprint() {
  (cd "$installation" && find . -type f -print0 | sort -z | xargs -0 sha256sum)
}
before=$(fingerprint)
"$repo/test.sh" "$@"
if [ "$(fingerprint)" != "$before" ]; then
  echo "used_installation: the test run changed the user's installation folder:" >&2
  diff <(echo "$before") <(fingerprint) >&2 || true
  exit 1
fi
echo "used_installation: every test passed over a used installation, which stayed as it was"
