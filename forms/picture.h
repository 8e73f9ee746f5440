#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

namespace forms {

// Where a picture's pixels come from: a named image among those the program
// carries, with its size in pixels. Backends get the pixels from
// forms/picture_pixels.h when they paint.
struct PictureSource {
    std::string_view resource;  // image name, for example "ibm"
    int width = 0;              // pixels
    int height = 0;             // pixels
    int hotSpotX = 0;           // where a pointer made from it points
    int hotSpotY = 0;
};

// A shared, immutable picture object. Copying a Picture shares the object, so
// two controls that were given the same picture report the same handle; a
// picture loaded separately is a new object with a handle of its own, however
// alike the pixels.
class Picture {
public:
    Picture() = default;  // no picture; handle 0

    // Creates a new picture object from a source; a source without a
    // resource gives no picture.
    static Picture load(const PictureSource& source);

    // A whole number identifying the object, unique for the life of the
    // program; 0 for no picture.
    [[nodiscard]] std::uint32_t handle() const { return object_ ? object_->handle : 0; }
    [[nodiscard]] bool isEmpty() const { return !object_; }
    // The source of a picture object; an empty picture has an empty source.
    [[nodiscard]] const PictureSource& source() const;

    friend bool operator==(const Picture& a, const Picture& b) { return a.object_ == b.object_; }

private:
    struct Object {
        PictureSource source;
        std::uint32_t handle;
    };
    std::shared_ptr<const Object> object_;
};

}  // namespace forms
