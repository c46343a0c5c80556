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


def mirrored(picture):
    """The picture flipped left to right."""
    return [row[::-1] for row in picture]


UNDO = [
    "................",
    "................",
    "................",
    ".....#..........",
    "....##..........",
    "...#########....",
    "..###########...",
    "...###......##..",
    "....##......##..",
    ".....#......##..",
    "............##..",
    "...........##...",
    "........####....",
    "................",
    "................",
    "................",
]

BACK = [
    "................",
    "................",
    "................",
    "......#.........",
    ".....##.........",
    "....###.........",
    "...###########..",
    "..############..",
    "..############..",
    "...###########..",
    "....###.........",
    ".....##.........",
    "......#.........",
    "................",
    "................",
    "................",
]

# The standard toolbar buttons: 16 x 16 each.
TOOLBAR_PICTURES = [
    ("ZQF_PropertiesToolbarButtonBitmap", [  # a list of values and a pencil
        "................",
        ".#########......",
        ".#.......#...##.",
        ".#.#.###.#..###.",
        ".#.......#.###..",
        ".#.#.###.####...",
        ".#.......###....",
        ".#.#.##.###.....",
        ".#.....###......",
        ".#.#...###......",
        ".#.....#.#......",
        ".#.#.###.#......",
        ".#.......#......",
        ".#.#.###.#......",
        ".#.......#......",
        ".#########......",
    ]),
    ("ZQF_InspectToolbarButtonBitmap", [  # a magnifying glass
        "................",
        "....#####.......",
        "...#.....#......",
        "..#.......#.....",
        "..#.......#.....",
        "..#.......#.....",
        "..#.......#.....",
        "..#.......#.....",
        "...#.....#......",
        "....#######.....",
        "..........###...",
        "...........###..",
        "............###.",
        ".............##.",
        "................",
        "................",
    ]),
    ("ZQF_PageSetupToolbarButtonBitmap", [  # a sheet with its margins
        "..###########...",
        "..#.........#...",
        "..#.........#...",
        "..#.#.#.#.#.#...",
        "..#.........#...",
        "..#.#.....#.#...",
        "..#.........#...",
        "..#.#.....#.#...",
        "..#.........#...",
        "..#.#.....#.#...",
        "..#.........#...",
        "..#.#.#.#.#.#...",
        "..#.........#...",
        "..#.........#...",
        "..#.........#...",
        "..###########...",
    ]),
    ("ZQF_PrintPreviewToolbarButtonBitmap", [  # a sheet under a magnifying glass
        ".#########......",
        ".#.......#......",
        ".#.#####.#......",
        ".#.......#......",
        ".#.#####.#......",
        ".#.......#......",
        ".#......####....",
        ".#.....#....#...",
        ".#....#......#..",
        ".#....#......#..",
        ".#....#......#..",
        ".#.....#....#...",
        ".#......#####...",
        ".#..........###.",
        ".#...........###",
        ".#########....##",
    ]),
    ("ZQF_PrintToolbarButtonBitmap", [  # a printer with a sheet in and out
        "................",
        "....########....",
        "....#......#....",
        "....#.####.#....",
        "....#......#....",
        "....#.####.#....",
        ".##############.",
        ".#............#.",
        ".#.........##.#.",
        ".#............#.",
        ".##############.",
        ".#..#......#..#.",
        ".####......####.",
        "....#.####.#....",
        "....#......#....",
        "....########....",
    ]),
    ("ZQF_CutToolbarButtonBitmap", [  # scissors
        "................",
        "....#......#....",
        "....#......#....",
        ".....#....#.....",
        ".....#....#.....",
        "......#..#......",
        "......#..#......",
        ".......##.......",
        ".......##.......",
        "......#..#......",
        "...####..####...",
        "..#...#..#...#..",
        "..#...#..#...#..",
        "..#...#..#...#..",
        "...###....###...",
        "................",
    ]),
    ("ZQF_CopyToolbarButtonBitmap", [  # two sheets
        "................",
        ".########.......",
        ".#......#.......",
        ".#.####.#.......",
        ".#......#.......",
        ".#.############.",
        ".#....#.......#.",
        ".#.####.#####.#.",
        ".#....#.......#.",
        ".#....#.#####.#.",
        ".######.......#.",
        "......#.#####.#.",
        "......#.......#.",
        "......#.......#.",
        "......#########.",
        "................",
    ]),
    ("ZQF_PasteToolbarButtonBitmap", [  # a sheet on a clipboard
        "................",
        "....####........",
        ".##########.....",
        ".#..####..#.....",
        ".#........#.....",
        ".#........#.....",
        ".#....#########.",
        ".#....#.......#.",
        ".#....#.#####.#.",
        ".#....#.......#.",
        ".#....#.#####.#.",
        ".#....#.......#.",
        ".#....#.#####.#.",
        ".#....#.......#.",
        ".######.......#.",
        "......#########.",
    ]),
    ("ZQF_DeleteCrossToolbarButtonBitmap", [  # a cross
        "................",
        "................",
        "..##........##..",
        "...##......##...",
        "....##....##....",
        ".....##..##.....",
        "......####......",
        ".......##.......",
        ".......##.......",
        "......####......",
        ".....##..##.....",
        "....##....##....",
        "...##......##...",
        "..##........##..",
        "................",
        "................",
    ]),
    ("ZQF_AddPlusSignToolbarButtonBitmap", [  # a plus sign
        "................",
        "................",
        ".......##.......",
        ".......##.......",
        ".......##.......",
        ".......##.......",
        ".......##.......",
        "..############..",
        "..############..",
        ".......##.......",
        ".......##.......",
        ".......##.......",
        ".......##.......",
        ".......##.......",
        "................",
        "................",
    ]),
    ("ZQF_UndoToolbarButtonBitmap", UNDO),  # an arrow turning back to the left
    ("ZQF_RedoToolbarButtonBitmap", mirrored(UNDO)),
    ("ZQF_BrowseBack_ToolbarButtonBitmap", BACK),  # an arrow to the left
    ("ZQF_BrowseForward_ToolbarButtonBitmap", mirrored(BACK)),
    ("ZQF_BothLeftAndRightPanesToolbarButtonBitmap", [  # contents beside a page
        "................",
        ".###############",
        ".###############",
        ".#.....#.......#",
        ".#.##..#.#####.#",
        ".#..##.#.......#",
        ".#..##.#.#####.#",
        ".#.##..#.......#",
        ".#..##.#.####..#",
        ".#..##.#.......#",
        ".#.....#.#####.#",
        ".#.....#.......#",
        ".#.....#.#####.#",
        ".#.....#.......#",
        ".###############",
        "................",
    ]),
    ("ZQF_RightPaneOnlyToolbarButtonBitmap", [  # the page alone
        "................",
        ".###############",
        ".###############",
        ".#.............#",
        ".#..#########..#",
        ".#.............#",
        ".#..#########..#",
        ".#.............#",
        ".#..########...#",
        ".#.............#",
        ".#..#########..#",
        ".#.............#",
        ".#..#########..#",
        ".#.............#",
        ".###############",
        "................",
    ]),
]


# The arrows of the scroll bars: 10 x 10, one pixel to one pixel on a
# 16-pixel arrow button.
SCROLL_UP_ARROW = [
    "..........",
    "..........",
    "..........",
    "....##....",
    "...####...",
    "..######..",
    ".########.",
    "..........",
    "..........",
    "..........",
]


def transposed(picture):
    """The picture mirrored along its main diagonal."""
    return ["".join(row[i] for row in picture) for i in range(len(picture[0]))]


SCROLL_BAR_PICTURES = [
    ("ZQF_ScrollBarUpArrowBitmap", SCROLL_UP_ARROW),
    ("ZQF_ScrollBarDownArrowBitmap", SCROLL_UP_ARROW[::-1]),
    ("ZQF_ScrollBarLeftArrowBitmap", transposed(SCROLL_UP_ARROW)),
    ("ZQF_ScrollBarRightArrowBitmap", mirrored(transposed(SCROLL_UP_ARROW))),
]


# The dropdown control's arrow, pointing down.
DROPDOWN_ARROW = [
    "...........",
    "...........",
    "...........",
    "...........",
    "..#######..",
    "...#####...",
    "....###....",
    ".....#.....",
    "...........",
    "...........",
    "...........",
]

DROPDOWN_PICTURES = [("ZQF_DropDownArrowBitmap", DROPDOWN_ARROW)]


# The print preview's toolbar: its two mouse tools, the page navigation and
# the number of pages shown at once. 16 x 16 each, drawn by rule.
def drawn(inside):
    """A 16 x 16 picture whose foreground is where inside(x, y) holds."""
    return ["".join("#" if inside(x, y) else "." for x in range(16)) for y in range(16)]


def arrow_left(tip_x, x, y):
    """A solid arrowhead pointing left, its tip at column tip_x, rows 3 to 12."""
    return tip_x <= x <= tip_x + 4 and abs(y - 7.5) <= (x - tip_x) + 0.5


def back_to_start(x, y):
    return (x in (2, 3) and 3 <= y <= 12) or arrow_left(4, x, y) or arrow_left(9, x, y)


def back_page(x, y):
    return arrow_left(2, x, y) or arrow_left(7, x, y)


def back_line(x, y):
    return arrow_left(5, x, y)


def pointing_hand_button(x, y):
    finger = 5 <= x <= 6 and 1 <= y <= 8
    palm = 4 <= x <= 12 and 7 <= y <= 14
    thumb = 2 <= x <= 4 and 9 <= y <= 11 and x + y >= 12
    knuckles = y == 8 and x in (8, 10)
    return (finger or palm or thumb) and not knuckles


def page_grid(columns, rows):
    """Upright sheets in a centred grid: outlines, or solid when small."""
    width = 16 // columns if columns > 1 else 11
    height = 16 // rows
    left, top = (17 - columns * width) // 2, (17 - rows * height) // 2

    def inside(x, y):
        if x < left or y < top:
            return False
        cx, cy = (x - left) // width, (y - top) // height
        if cx >= columns or cy >= rows:
            return False
        lx, ly = x - left - cx * width, y - top - cy * height
        if lx >= width - 1 or ly >= height - 1:
            return False
        if width <= 3 or height <= 3:
            return True
        return lx in (0, width - 2) or ly in (0, height - 2) or (ly == 0 + 1 and lx >= width - 4)
    return inside


PRINT_PREVIEW_PICTURES = [
    ("ZQF_MagnifyingGlassToolbarButtonBitmap",
     drawn(lambda x, y: 12 <= (x - 6) ** 2 + (y - 6) ** 2 <= 24 or (x - y in (0, 1) and 9 <= x <= 14)
           or (abs(x - 6) <= 2 and y == 6) or (abs(y - 6) <= 2 and x == 6))),
    ("ZQF_PointingHandToolbarButtonBitmap", drawn(pointing_hand_button)),
    ("ZQF_BackToStartToolbarButtonBitmap", drawn(back_to_start)),
    ("ZQF_BackPageToolbarButtonBitmap", drawn(back_page)),
    ("ZQF_BackLineToolbarButtonBitmap", drawn(back_line)),
    ("ZQF_ForwardLineToolbarButtonBitmap", mirrored(drawn(back_line))),
    ("ZQF_ForwardPageToolbarButtonBitmap", mirrored(drawn(back_page))),
    ("ZQF_ForwardToEndToolbarButtonBitmap", mirrored(drawn(back_to_start))),
    ("ZQFOxZQF_OnePage_ToolbarButtonBitmap", drawn(page_grid(1, 1))),
    ("ZQFOxZQF_TwoPages_ToolbarButtonBitmap", drawn(page_grid(2, 1))),
    ("ZQFOxZQF_FourPages_ToolbarButtonBitmap", drawn(page_grid(2, 2))),
    ("ZQFOxZQF_EightPages_ToolbarButtonBitmap", drawn(page_grid(4, 2))),
    ("ZQFOxZQF_SixteenPages_ToolbarButtonBitmap", drawn(page_grid(4, 4))),
    ("ZQFOxZQF_ThirtytwoPages_ToolbarButtonBitmap", drawn(page_grid(8, 4))),
    ("ZQFOxZQF_SixtyfourPages_ToolbarButtonBitmap", drawn(page_grid(8, 8))),
]
