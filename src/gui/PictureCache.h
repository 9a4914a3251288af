// Each picture control's picture, decoded once per change of file or size at the size it
// is shown, and only that copy kept.
#pragma once

#include "core/app/WindowModel.h"
#include "core/files/ProgramFolder.h"
#include "gui/PackedPicture.h"

#include <QImage>
#include <QPixmap>
#include <QRect>
#include <QSize>
#include <QString>
#include <future>
#include <map>
#include <string>

namespace quirn::qt {

class PictureCache {
  public:
    explicit PictureCache(const ProgramFolder& folder) : folder_(folder) {}

    // The picture file below the program folder, else the built-in resource, decoded
    // at size device pixels (stretched to it), or at its own size when size is empty;
    // null when neither loads. Asking again with the same file and size reads nothing.
    const QPixmap& picture(ControlId control, const std::string& relative,
                           const QString& fallbackResource, const QSize& size = {});

    // The same picture stretched to size, of which only the part keep (in its own
    // pixels) is held: the part that can be seen. Held at 32 bits a pixel, the window's
    // own, and packed by packStep.
    const PackedPicture& part(ControlId control, const std::string& relative,
                              const QString& fallbackResource, const QSize& size,
                              const QRect& keep);

    // Starts decoding that picture on another thread, so it is ready by the time it is
    // first painted.
    void prefetch(ControlId control, const std::string& relative, const QString& fallbackResource,
                  const QSize& size, const QRect& keep);

    // Packs a little of a part not packed yet; true when every part is packed.
    bool packStep();

    // Decodes so far.
    int loads() const { return loads_; }

  private:
    struct Shown {
        bool decoded = false;
        std::string relative;
        QString fallback;
        QSize size;
        QRect keep;
        QPixmap pixmap;
        PackedPicture part;
        std::future<QImage> pending;
        bool same(const std::string& r, const QString& f, const QSize& s, const QRect& k) const {
            return relative == r && fallback == f && size == s && keep == k;
        }
    };
    // The entry for that picture, and the picture when it was decoded for this call.
    QImage fresh(Shown*& entry, ControlId control, const std::string& relative,
                 const QString& fallback, const QSize& size, const QRect& keep);
    // Decodes on the calling thread; touches nothing of the cache.
    static QImage decode(const std::filesystem::path& file, const QString& fallback,
                         const QSize& size);

    const ProgramFolder& folder_;
    std::map<ControlId, Shown> shown_;
    int loads_ = 0;
};

} // namespace quirn::qt
