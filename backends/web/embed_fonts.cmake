# Writes the style sheet of the page's fonts: Debian's Liberation Sans,
# regular and bold, inside it as data (nothing is fetched from elsewhere),
# with the fonts' licence notice. Only CMake and base64 read the files.
# Usage: cmake -DOUTPUT=<css> -DREGULAR=<ttf> -DBOLD=<ttf> -DNOTICE=<text> -P embed_fonts.cmake
cmake_policy(SET CMP0054 NEW)
set(faces "")
foreach(face REGULAR BOLD)
  execute_process(COMMAND base64 -w0 ${${face}} OUTPUT_VARIABLE data RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "cannot read ${${face}}")
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
file(WRITE ${OUTPUT} "/* Liberation Sans, as Debian's fonts-liberation package ships it, unaltered.\n\n${notice}*/\n${faces}")
