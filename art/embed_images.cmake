# Writes a C++ source that carries PNG files as byte arrays and adds them to
# the program's images (forms/picture_pixels.h) as it starts, each under its
# file name without ".png". Runs at build time, in any build, the cross
# build included: only CMake reads the files.
# Usage: cmake -DOUTPUT=<source> -DIMAGES_DIR=<folder of PNG files> -P embed_images.cmake
file(GLOB IMAGES ${IMAGES_DIR}/*.png)
set(arrays "")
set(entries "")
foreach(image IN LISTS IMAGES)
  get_filename_component(name ${image} NAME_WE)
  string(MAKE_C_IDENTIFIER "png_${name}" array)
  file(READ ${image} hex HEX)
  # Twenty bytes a line (CMake's expressions have no repeat counts).
  string(REPEAT "[0-9a-f]" 40 line)
  string(REGEX REPLACE "(${line})" "\\1\n    " hex "${hex}")
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  string(APPEND arrays "const std::uint8_t ${array}[] = {\n    ${bytes}\n};\n")
  string(APPEND entries "    {\"${name}\", ${array}},\n")
endforeach()

set(source "// Made by art/embed_images.cmake from art/images; not to be edited.
#include <cstdint>

#include \"forms/picture_pixels.h\"

namespace {

${arrays}
const forms::EncodedImage kImages[] = {
${entries}};

// Added while the program's static objects are constructed, before main.
[[maybe_unused]] const bool kAdded = (forms::addImages(kImages), true);

}  // namespace
")
file(WRITE ${OUTPUT} "${source}")
