#!/usr/bin/env bash
# Re-makes the pictures of the help (help/img/*.png) from the program itself: each scene of
# edomer_showcase runs on a private Xvfb display under the openbox window manager (so that the
# windows carry their title bars) with a Russian locale, and the named window is cut out of a
# picture of the screen. Usage: scripts/help-shots.sh [BUILD_DIR [PICTURE...]] (default: build,
# every picture); with picture names (as "norma-bar" or "workbook") only those are made again.
# The workbooks of the day and of the diary's period are written by the scenes help_workbook and
# help_dnevnik_workbook and drawn by LibreOffice as one page per sheet, so that the charts beside
# the printed table are in the picture too.
# Needs xvfb, openbox, imagemagick, x11-utils, and for the workbook libreoffice-calc-nogui and
# poppler-utils (apt-get install -y xvfb openbox imagemagick x11-utils libreoffice-calc-nogui
# poppler-utils), and a build with the target edomer_showcase.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
(($# > 0)) && shift
wanted=("$@")
wants() { ((${#wanted[@]} == 0)) || [[ " ${wanted[*]} " == *" $1 "* ]]; }
tools=(Xvfb openbox import convert xwininfo)
if wants workbook || wants dnevnik-workbook; then tools+=(soffice pdftoppm); fi
showcase=$build/tests/edomer_showcase
out=$root/help/img
for tool in "${tools[@]}"; do
    command -v "$tool" >/dev/null || { echo "needs $tool" >&2; exit 2; }
done
[[ -x $showcase ]] || { echo "no $showcase: build the target edomer_showcase first" >&2; exit 2; }
mkdir -p "$out"

main_title="Едомер — "
# picture name, scene, the start of the title of the window to cut out
shots=(
    "quickstart-breakfast help_breakfast $main_title"
    "main-window help_day $main_title"
    "norma help_norma Дневная норма"
    "norma-bar help_day_norma $main_title"
    "entry-new help_entry Занести продукт в рацион"
    "entry-change vvod_change Изменение продукта в рационе"
    "product help_dish_weight Добавление нового продукта"
    "product-edit newprod Редактирование"
    "measures newmera Меры/порции продукта"
    "measures-edit newmera_edit Меры/порции продукта"
    "search help_search Поиск продукта"
    "saved-save help_save Сохранить рацион как"
    "saved-load help_load $main_title"
    "dish-weight bludo Вес готового блюда"
    "dish-portions porc Порции в готовом блюде"
    "forum-code help_forum Код для вставки в HTML-страницы"
    "setup setup1 Установка программы"
    "dnevnik help_dnevnik Дневник питания"
)
# Pictures of a part of their window: the bottom strip of the given height (the button bar).
declare -A bottom_strip=([norma-bar]=120)

# The frame of the window whose title starts with $2 on display $1, as WxH+X+Y.
frame_geometry() {
    local display=$1 title=$2 id parent
    id=$(DISPLAY=$display xwininfo -root -tree | grep -F "\"$title" | head -1 | awk '{print $1}')
    [[ -n $id ]] || return 1
    while :; do
        parent=$(DISPLAY=$display xwininfo -tree -id "$id" | awk '/Parent window id/ {print $4}')
        [[ $(DISPLAY=$display xwininfo -tree -id "$parent" | awk '/Parent window id/ {print $4}') == 0x0 ]] &&
            break
        id=$parent
    done
    DISPLAY=$display xwininfo -id "$id" | awk '
        /Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4}
        /Width:/ {w=$2} /Height:/ {h=$2} END {printf "%dx%d+%d+%d", w, h, x, y}'
}

shoot() {
    local name=$1 scene=$2 title=$3 display n geometry
    for n in $(seq 70 99); do [[ -e /tmp/.X$n-lock ]] || { display=:$n; break; }; done
    Xvfb "$display" -screen 0 1100x900x24 -nolisten tcp >/dev/null 2>&1 &
    local xvfb=$!
    sleep 0.5
    DISPLAY=$display openbox >/dev/null 2>&1 &
    local wm=$!
    sleep 0.5
    DISPLAY=$display QT_QPA_PLATFORM=xcb LANG=ru_RU.UTF-8 LC_ALL= "$showcase" "$scene" \
        >/dev/null 2>&1 &
    local app=$!
    sleep 3
    local screen
    screen=$(mktemp --suffix=.png)
    if geometry=$(frame_geometry "$display" "$title"); then
        DISPLAY=$display import -window root "$screen"
        convert "$screen" -crop "$geometry" +repage -strip "$out/$name.png"
        if [[ -n ${bottom_strip[$name]:-} ]]; then
            convert "$out/$name.png" -gravity South -crop "0x${bottom_strip[$name]}+0+0" +repage \
                "$out/$name.png"
        fi
        echo "$name.png ($scene, $geometry)"
    else
        echo "$name: no window \"$title\" in scene $scene" >&2
    fi
    rm -f "$screen"
    kill "$app" 2>/dev/null || true
    sleep 0.3
    kill -9 "$app" 2>/dev/null || true
    kill "$wm" "$xvfb" 2>/dev/null || true
    wait "$app" "$wm" "$xvfb" 2>/dev/null || true
}

for shot in "${shots[@]}"; do
    read -r name scene title <<<"$shot"
    wants "$name" && shoot "$name" "$scene" "$title"
done

# The workbooks "в Excel" writes, named as the user would name them; the picture is the first
# sheet as LibreOffice draws it.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
draw_workbook() {
    local name=$1 scene=$2 file=$3
    QT_QPA_PLATFORM=offscreen LANG=ru_RU.UTF-8 LC_ALL= "$showcase" "$scene" "$work/$file" \
        >/dev/null 2>&1
    LANG=ru_RU.UTF-8 LC_ALL=ru_RU.UTF-8 soffice --headless "-env:UserInstallation=file://$work/profile" \
        --convert-to 'pdf:calc_pdf_Export:{"SinglePageSheets":{"type":"boolean","value":"true"}}' \
        --outdir "$work" "$work/$file" >/dev/null 2>&1
    pdftoppm -png -r 80 -f 1 -l 1 -singlefile "$work/${file%.xlsx}.pdf" "$work/page"
    convert "$work/page.png" -trim +repage -bordercolor white -border 12 -strip "$out/$name.png"
    echo "$name.png ($scene, drawn by LibreOffice)"
}
if wants workbook; then draw_workbook workbook help_workbook 07.12.26.xlsx; fi
if wants dnevnik-workbook; then
    draw_workbook dnevnik-workbook help_dnevnik_workbook dnevnik.xlsx
fi
