#pragma once

#include <QImage>
#include <QString>
#include <array>
#include <vector>

#include "gif_writer.h"
#include "skin_parts.h"
#include "theme.h"

// Whole skins and the pictures that show them.
namespace skinart {

using SheetSet = std::array<QImage, kelvo::kSkinPartCount>;  // in the order of kSkinParts

SheetSet PaintSkin(const Theme& theme);

// The calculator face with these sheets after typing keys (kelvo-keys tokens), its labels
// drawn as the main window draws them. With frames, every press and release adds a frame.
QImage PaintFace(const SheetSet& sheets, const QString& keys, std::vector<GifFrame>* frames = nullptr);

// A face as the chooser previews it: 115 x 169.
QImage PreviewSize(const QImage& face);

// The picture shown for a skin without a preview.
QImage PaintNoImage();

}  // namespace skinart
