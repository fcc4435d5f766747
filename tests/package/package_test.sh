#!/usr/bin/env bash
# The Debian package as a user gets it: lintian finds no error or warning, the
# desktop entries and the metainfo validate, the versions agree, and the
# program unpacked into a throwaway root starts from its menu entry under
# Xvfb, creates the student's folder under documents and shows the lesson.
# Usage: package_test.sh PACKAGE|FOLDER WORK_FOLDER
# Given a folder, checks the lesko_*.deb in it; exits 77 (skipped) when there
# is none: cmake --build --preset release --target package makes it.
set -euo pipefail
package=$1 work=$2
here=$(cd "$(dirname "$0")" && pwd)

if [[ -d $package ]]; then
    found=$(ls -t "$package"/lesko_*.deb 2>/dev/null | head -n 1 || true)
    [[ -n $found ]] || { echo "SKIP: no package in $package (build the release preset's package target)"; exit 77; }
    package=$found
fi
package=$(realpath "$package")
rm -rf "$work" && mkdir -p "$work" && cd "$work"
fail() { echo "FAIL: $*"; [[ -f lesko.log ]] && cat lesko.log; exit 1; }
echo "package: $package"

# lintian: no error and no warning.
lintian --info --fail-on error,warning "$package" >lintian.txt 2>&1 || { cat lintian.txt; fail "lintian"; }
grep -v '^running with root' lintian.txt || true

root=$work/root
dpkg -x "$package" "$root"
share=$root/usr/share
app_id=bg.lesko.funkr
desktop_files=("$share/applications/$app_id.desktop" "$share/applications/$app_id.setup.desktop"
    "$share/applications/$app_id.results.desktop")
desktop-file-validate "${desktop_files[@]}" || fail "desktop-file-validate"
appstreamcli validate --no-net "$share/metainfo/$app_id.metainfo.xml" || fail "appstreamcli validate"

# What the entries and the metainfo name is in the package.
grep -qx "Icon=$app_id" "${desktop_files[@]}" || fail "desktop entries name another icon"
for size in 16 24 32 48 64 128 256; do
    [[ -s $share/icons/hicolor/${size}x$size/apps/$app_id.png ]] || fail "no ${size}x$size icon"
done
grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$share/metainfo/$app_id.metainfo.xml" ||
    fail "metainfo launches another desktop entry"
grep -qx 'Exec=lesko --setup --from-menu' "$share/applications/$app_id.setup.desktop" || fail "setup entry"
grep -qx 'Exec=lesko --results --from-menu' "$share/applications/$app_id.results.desktop" || fail "results entry"
for program in lesko lesko_config lesko_report lesko_check; do
    [[ -x $root/usr/bin/$program ]] || fail "no program $program"
done
[[ -x $root/usr/libexec/lesko/lesko_runner ]] || fail "no sandbox runner in libexec"
# Every program has its manual page in English and in Bulgarian, and each reads without a warning.
for program in "$root"/usr/bin/*; do
    for page in "$share/man/man1/$(basename "$program").1.gz" "$share/man/bg/man1/$(basename "$program").1.gz"; do
        [[ -s $page ]] || fail "no manual page $page"
        warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$page" 2>&1 >/dev/null)
        [[ -z $warnings ]] || fail "$page: $warnings"
    done
done
zcat "$share/man/bg/man1/lesko_report.1.gz" | grep -q '^\.SH ОПЦИИ' || fail "the Bulgarian page of lesko_report is not Bulgarian"

# --help and --version print and end without a display or a window.
(unset DISPLAY QT_QPA_PLATFORM; "$root/usr/bin/lesko" --help) >help.txt 2>&1 || fail "lesko --help: $(cat help.txt)"
grep -q -- '--results' help.txt || fail "lesko --help: $(cat help.txt)"
[[ $(unset DISPLAY QT_QPA_PLATFORM; "$root/usr/bin/lesko" --version) == "lesko $(dpkg-deb -f "$package" Version)" ]] ||
    fail "lesko --version"

# lesko_report from the package summarises a folder with one log, and says why it cannot use a missing one.
mkdir -p logs
printf '\xef\xbb\xbf%s\r\n%s\r\n' \
    'Урок;Компютър;Начало;Задача;Трудност;Време за задачата (с);Използвано време (с);Упътване;Упътване в;Решение на автора;Решение на автора в;Проверки;Най-много верни примери;Примери;Последен резултат;Записан файл;Име на файла;Дължина на отговора (знаци)' \
    'FUNKR;pc-1;2025-03-10T09:00:00;1;1;20;12;не;;не;;2;6;6;Верен;не;;40' >logs/FUNKR_opiti_pc-1_20250310-090000.csv
"$root/usr/bin/lesko_report" logs -o class.csv 2>report.txt || fail "lesko_report: $(cat report.txt)"
grep -q 'Прочетени дневници: 1, пропуснати: 0' report.txt || fail "lesko_report said: $(cat report.txt)"
sed -n 2p class.csv | grep -q '^pc-1;2025-03-10T09:00:00;12;1;1;0;0;;;6/6' || fail "summary row: $(sed -n 2p class.csv)"
if "$root/usr/bin/lesko_report" no-such-folder >/dev/null 2>report.txt; then fail "lesko_report read a missing folder"; fi

# lesko_check from the package checks an answer in its sandbox.
printf '#include <iostream>\nint main() { long long x; std::cin >> x; std::cout << 2 * x + 3 << "\\n"; }\n' >right.cpp
"$root/usr/bin/lesko_check" --task 1 right.cpp >check.txt 2>&1 || fail "lesko_check: $(cat check.txt)"
head -n 1 check.txt | grep -q '^Верен (\([0-9]*\) от \1 теста)$' || fail "lesko_check said: $(head -n 3 check.txt)"

# Installed under /usr, the lesson's programs (they carry the solutions and
# the tests) are masked in the sandbox, for the compile and the run alike.
# A private mount namespace puts the package's programs in /usr/local/bin.
if [[ $(id -u) -eq 0 ]] && command -v unshare >/dev/null; then
    mkdir -p masked/data/secret
    printf '1\n' >masked/data/secret/a.in
    printf 'masked\n' >masked/data/secret/a.ans
    cat >embeds_the_lesson.cpp <<'ANSWER'
asm(".section .rodata\n.incbin \"/usr/local/bin/lesko_check\"\n.text");
int main() {}
ANSWER
    cat >reads_the_lesson.cpp <<'ANSWER'
#include <cstdio>
#include <iostream>
int main() {
    std::FILE* f = std::fopen("/usr/local/bin/lesko", "rb");
    long size = 0;
    if (f && std::fseek(f, 0, SEEK_END) == 0) size = std::ftell(f);
    std::cout << (size == 0 ? "masked" : "visible") << "\n";
}
ANSWER
    unshare -m --propagation private bash -c "
        mount -t tmpfs lesko /usr/local/bin &&
        cp '$root'/usr/bin/lesko* '$root'/usr/libexec/lesko/lesko_runner /usr/local/bin/ &&
        /usr/local/bin/lesko_check --task 1 embeds_the_lesson.cpp >embedded.txt 2>&1
        /usr/local/bin/lesko_check --task 1 --tests masked reads_the_lesson.cpp >masked.txt 2>&1" || true
    grep -q 'Асемблерът не приема кода в asm(…): file not found' embedded.txt ||
        fail "the compile embedded a program of the lesson: $(cat embedded.txt)"
    tail -n 1 masked.txt | grep -q '(скрит): Верен$' || fail "the lesson's programs are not masked: $(cat masked.txt)"
fi

version=$(dpkg-deb -f "$package" Version)
[[ $(zcat "$share/doc/lesko/changelog.gz" | head -n 1) == "lesko ($version) "* ]] || fail "changelog is not at $version"
grep -q "<release version=\"$version\"" "$share/metainfo/$app_id.metainfo.xml" || fail "metainfo is not at $version"
[[ $(dpkg-deb -f "$package" Depends) == *libqt6widgets6* ]] || fail "shlibdeps found no Qt dependency"
[[ $(dpkg-deb -f "$package" Recommends) == "g++, bubblewrap" ]] || fail "Recommends: $(dpkg-deb -f "$package" Recommends)"

# Start the installed program the way its menu entry does, in a fresh home.
exec_line=$(sed -n 's/^Exec=//p' "${desktop_files[0]}")
[[ $exec_line == "lesko --from-menu" ]] || fail "lesson entry runs: $exec_line"
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_DATA_HOME=$work/home/.local/share
mkdir -p "$HOME"
unset XDG_DOCUMENTS_DIR

source "$here/../e2e/xvfb_session.sh"

(cd "$HOME" && exec "$root/usr/bin/lesko" --from-menu) >lesko.log 2>&1 &
app=$!
visible() { xdotool search --onlyvisible --name "$1" >/dev/null 2>&1; }
# A first start has no class configuration: the lesson says so, then opens.
for _ in $(seq 100); do
    visible "Програмиран урок" && break
    if visible "Електронен урок"; then xdotool key Return; fi
    sleep 0.2
done
visible "Програмиран урок" || fail "no main window"

folder="$HOME/Documents/Функционална релация"
[[ -d $folder ]] || fail "no student's folder $folder"
[[ $(readlink "/proc/$app/cwd") == "$folder" ]] || fail "works in $(readlink "/proc/$app/cwd")"
kill "$app"
wait "$app" 2>/dev/null || true
echo "PASS: package $(basename "$package") checked and its program started from the menu entry"
