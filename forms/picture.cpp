#include "forms/picture.h"

#include <atomic>

namespace forms {

Picture Picture::load(const PictureSource& source) {
    static std::atomic<std::uint32_t> lastHandle{0};
    Picture picture;
    if (source.resource.empty()) return picture;
    picture.object_ = std::make_shared<const Object>(Object{source, ++lastHandle});
    return picture;
}

const PictureSource& Picture::source() const {
    static const PictureSource none;
    return object_ ? object_->source : none;
}

}  // namespace forms
