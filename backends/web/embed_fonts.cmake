# Writes the style sheet of the page's fonts: Debian's Liberation Sans,
# regular and bold, inside it as data (nothing is fetched from elsewhere),
# with the fonts' licence notice.
#
# Each face is cut down to the characters of the game's texts and of what a
# typist of a Western European language writes in the text window: the
# Windows-1252 repertoire, Latin-1 and Latin Extended-A. The glyphs kept are
# the font's own, outlines and hinting unaltered (the licence lets a
# document embed unaltered portions of the font); the other tables are only
# narrowed to them. The page's style sheet is half as large, and the browser
# reads it and decodes the fonts before the first frame.
# Usage: cmake -DOUTPUT=<css> -DREGULAR=<ttf> -DBOLD=<ttf> -DNOTICE=<text>
#              -DSUBSET=<pyftsubset> -P embed_fonts.cmake
cmake_policy(SET CMP0054 NEW)
set(characters
    U+0020-007E U+00A0-017F U+0192 U+02C6 U+02DC U+2013-2014 U+2018-201A U+201C-201E
    U+2020-2022 U+2026 U+2030 U+2039-203A U+20AC U+2122 U+FFFD)
list(JOIN characters "," unicodes)
get_filename_component(work ${OUTPUT} DIRECTORY)
set(faces "")
foreach(face REGULAR BOLD)
  set(subset ${work}/klonkatron-sans-${face}.ttf)
  execute_process(
    COMMAND ${SUBSET} ${${face}} --output-file=${subset} --unicodes=${unicodes}
            --layout-features=* --name-IDs=* --name-languages=* --name-legacy
            --glyph-names --notdef-glyph --notdef-outline --no-subset-tables+=FFTM
    RESULT_VARIABLE failed ERROR_VARIABLE said)
  if(failed)
    message(FATAL_ERROR "cannot cut down ${${face}}: ${said}")
  endif()
  execute_process(COMMAND base64 -w0 ${subset} OUTPUT_VARIABLE data RESULT_VARIABLE failed)
  file(REMOVE ${subset})
  if(failed)
    message(FATAL_ERROR "cannot read ${subset}")
  endif()
  if(face STREQUAL "BOLD")
    set(weight 700)
  else()
    set(weight 400)
  endif()
  string(APPEND faces "@font-face {
  font-family: \"Liberation Sans\";
  font-weight: ${weight};
  src: url(data:font/ttf;base64,${data}) format(\"truetype\");
}
")
endforeach()
file(READ ${NOTICE} notice)
string(REPLACE "*/" "* /" notice "${notice}")
file(WRITE ${OUTPUT} "/* Liberation Sans, as Debian's fonts-liberation package ships it: the glyphs
   of Latin-1, Latin Extended-A and Windows-1252's punctuation, unaltered.

${notice}*/\n${faces}")
