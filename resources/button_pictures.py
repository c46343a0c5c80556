"""The pictures of the toolkit's bitmap buttons, drawn as text: "#" is the
foreground key colour (black, drawn in the button's text colour) and "." the
face key colour (light grey, drawn in the button's face colour).
make_gui_resources.py writes them as 16-colour bitmaps."""

# The title-bar buttons of the self-drawn window border: 10 x 9 each.
TITLE_BAR_PICTURES = [
    ("ZQF_MinimizeButtonBitmap", [
        "..........",
        "..........",
        "..........",
        "..........",
        "..........",
        "..........",
        ".######...",
        ".######...",
        "..........",
    ]),
    ("ZQF_MaximizeButtonBitmap", [
        "#########.",
        "#########.",
        "#.......#.",
        "#.......#.",
        "#.......#.",
        "#.......#.",
        "#.......#.",
        "#.......#.",
        "#########.",
    ]),
    ("ZQF_RestoreButtonBitmap", [
        "...######.",
        "...######.",
        "...#....#.",
        ".######.#.",
        ".######.#.",
        ".#....###.",
        ".#....#...",
        ".#....#...",
        ".######...",
    ]),
    ("ZQF_HelpButtonBitmap", [
        "...####...",
        "..##..##..",
        "......##..",
        ".....##...",
        "....##....",
        "....##....",
        "..........",
        "....##....",
        "....##....",
    ]),
    ("ZQF_CloseButtonBitmap", [
        "..........",
        ".##....##.",
        "..##..##..",
        "...####...",
        "....##....",
        "...####...",
        "..##..##..",
        ".##....##.",
        "..........",
    ]),
]
