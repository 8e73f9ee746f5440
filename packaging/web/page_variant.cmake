# Writes a variant of the page as built (build/web/klonkatron.html):
#   MODE=single  the one self-contained file that plays from a
#                double-click: the fonts' style sheet, the program's script
#                and its module inside the page, with the notices of
#                others' work in a comment at the top;
#   MODE=site    the web app's manifest and service worker named in the
#                page's head, for the static site that installs and plays
#                offline.
# Usage: cmake -DINPUT=<html> -DOUTPUT=<html> -DMODE=<single|site>
#              [-DFONTS_CSS=<css> -DSCRIPT=<js> -DMODULE=<wasm> -DLOADER=<js>
#               -DTHIRD_PARTY=<text>] -P page_variant.cmake
file(READ ${INPUT} page)
set(marker "<!-- klonkatron:site-head -->")
if(MODE STREQUAL "single")
  file(READ ${FONTS_CSS} fonts)
  # The module is inside the page: nothing to fetch ahead.
  string(REGEX REPLACE "<!-- The module downloads[^\n]*\n<link rel=\"preload\"[^\n]*\n" "" page "${page}")
  file(READ ${SCRIPT} script)
  file(READ ${LOADER} loader)
  if(script MATCHES "</script" OR loader MATCHES "</script")
    message(FATAL_ERROR "a script to put inside the page closes its element early")
  endif()
  execute_process(COMMAND base64 -w0 ${MODULE} OUTPUT_VARIABLE module RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "cannot read ${MODULE}")
  endif()
  set(tag "<script async type=\"text/javascript\" src=\"klonkatron.js\"></script>")
  string(FIND "${page}" "${tag}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the page does not load its script as expected")
  endif()
  string(REPLACE "${tag}" "<script type=\"application/wasm\" id=\"kk-module\">${module}</script>
<script>
${loader}</script>
<script>
${script}</script>" page "${page}")
  string(REPLACE "<link rel=\"stylesheet\" href=\"klonkatron-fonts.css\">" "<style>\n${fonts}</style>"
         page "${page}")
  # The fonts' licence is in the style sheet's opening comment, the other
  # notices in a comment at the top: all inside this file.
  string(REPLACE "<a href=\"LICENSE-fonts-liberation.txt\">licence</a>"
         "licence in this page's source" page "${page}")
  string(REPLACE "<a href=\"THIRD-PARTY.txt\">others' work in this page</a>"
         "others' work: notices in this page's source" page "${page}")
  file(READ ${THIRD_PARTY} notices)
  string(REPLACE "--" "- -" notices "${notices}")
  string(REPLACE "<!doctype html>\n" "<!doctype html>\n<!--\n${notices}-->\n" page "${page}")
  string(REPLACE "${marker}" "" page "${page}")
elseif(MODE STREQUAL "site")
  string(REPLACE "${marker}" "<link rel=\"manifest\" href=\"manifest.webmanifest\">
<script>
  // The service worker fetches the whole site again to keep it: only once
  // the page has loaded and the program's first window is painted.
  if ('serviceWorker' in navigator) {
    addEventListener('load', function () {
      var whenIdle = window.requestIdleCallback || function (then) { setTimeout(then, 1000); };
      whenIdle(function () {
        navigator.serviceWorker.register('service_worker.js');
      }, { timeout: 2000 });
    });
  }
</script>" page "${page}")
else()
  message(FATAL_ERROR "MODE is single or site")
endif()
file(WRITE ${OUTPUT} "${page}")
