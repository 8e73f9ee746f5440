# Where things are in the real program's windows at scale 1, in pixels of a
# window's client area (sourced by soak.sh): the designed twips / 15.

kBoardName='^Klonkatron - By Sven Klonk$'
kAboutTitle='About Klonkatron'
kBoxTitle='Klonkatron Game'  # every message box of the game
kPictureTitle='Form2'

kBoardWidth=328 kBoardHeight=280
# The nine places, top-left corners, each kPlaceSize square.
kPlaces=("40 80" "88 80" "136 80" "32 112" "88 112" "144 112" "24 144" "88 144" "160 144")
kPlaceSize=32
kStartPause=(80 260)
kAboutButton=(240 260)
kFace=(251 136)
# Exit, with a margin: left top right bottom. Never clicked.
kExitRect=(14 199 203 223)
# Where the yellow "Welcome!" and "Paused..." banner shows.
kBannerCrop=200x60+8+100
# The score in the status panel.
kScoreCrop=81x17+232+96

kAboutOk=(52 196)
kAboutEmblem=(24 24)
# The text window: its size tells it apart (it has no caption), and its Ok.
kTextSize=359x217
kTextOk=(180 196)
