#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Brings translations/vendrask_LANG.ts up to date with the texts in the
# sources (Qt's lupdate): new texts arrive unfinished, gone ones are
# dropped. Then translate them with Qt Linguist (linguist) or by hand.
#   scripts/update-translations.sh [LANG...]   (default: every language)
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=/usr/lib/qt6/bin/lupdate
[[ -x "$lupdate" ]] || { echo "update-translations: $lupdate is missing (apt install qt6-l10n-tools)" >&2; exit 1; }
languages=("$@")
[[ ${#languages[@]} -gt 0 ]] || languages=(de fr es pt_BR ru ja zh_CN)
ts=()
for language in "${languages[@]}"; do ts+=("translations/vendrask_$language.ts"); done
# The windows, the model and the library; the Qt-free core and client
# carry no texts of their own for translators.
"$lupdate" -silent -no-obsolete -locations relative -I . \
    app menu dialogs control launcher common \
    -ts "${ts[@]}"
for file in "${ts[@]}"; do
    language=$(basename "$file" .ts)
    language=${language#vendrask_}
    # lupdate leaves the target language unset on a new file.
    sed -i "s/<TS version=\"\([0-9.]*\)\"[^>]*>/<TS version=\"\1\" language=\"$language\" sourcelanguage=\"en\">/" "$file"
done
