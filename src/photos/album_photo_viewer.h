#pragma once

#include <filesystem>

namespace brinox {

// The single photo viewer, for the album created before it: shows one
// photo at its own size.
class AlbumPhotoViewer {
public:
    virtual ~AlbumPhotoViewer() = default;
    virtual void showAlbumPhoto(const std::filesystem::path& file) = 0;
};

}  // namespace brinox
