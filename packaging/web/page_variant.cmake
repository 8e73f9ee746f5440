# Writes a variant of the page's shell (backends/web/klonkatron.html):
#   MODE=single  the fonts' style sheet inside the page, for the one
#                self-contained file that plays from a double-click;
#   MODE=site    the web app's manifest and service worker named in the
#                page's head, for the static site that installs and plays
#                offline.
# Usage: cmake -DINPUT=<html> -DOUTPUT=<html> -DMODE=<single|site> [-DFONTS_CSS=<css>] -P page_variant.cmake
file(READ ${INPUT} page)
set(marker "<!-- klonkatron:site-head -->")
if(MODE STREQUAL "single")
  file(READ ${FONTS_CSS} fonts)
  string(REPLACE "<link rel=\"stylesheet\" href=\"klonkatron-fonts.css\">" "<style>\n${fonts}</style>"
         page "${page}")
  # The licence is in the style sheet's opening comment, inside this file.
  string(REPLACE "<a href=\"LICENSE-fonts-liberation.txt\">licence</a>"
         "licence in this page's source" page "${page}")
  string(REPLACE "${marker}" "" page "${page}")
elseif(MODE STREQUAL "site")
  string(REPLACE "${marker}" "<link rel=\"manifest\" href=\"manifest.webmanifest\">
<script>
  if ('serviceWorker' in navigator) navigator.serviceWorker.register('service_worker.js');
</script>" page "${page}")
else()
  message(FATAL_ERROR "MODE is single or site")
endif()
file(WRITE ${OUTPUT} "${page}")
