#pragma once

#include <QString>

#include "skin_catalogue.h"

// Folder and file names made from catalogue fields: the id names the skin's folder on the server
// and its cached preview in _sys/prvpic/, the id's code and the two name fields its folder in
// Skin/T7/. A server may send anything, so every such name is checked before it is listed,
// fetched or written; the catalogue reader drops every line that fails these checks.
namespace kelvo {

// Full-width forms to their half-width twins: U+FF01..U+FF5E to U+0021..U+007E, the ideographic
// space to a space and the full-width yen sign to a backslash.
QString ToHalfWidth(const QString& text);

// A name part that stays inside the folder it is put in, also once full-width forms are read as
// their half-width twins: not empty, no "/", "\" or "..", no leading dot, no control character.
bool IsSafeNamePart(const QString& part);

// The id and both name fields are safe name parts: every name made from them stays inside the
// folder it is put in.
bool IsSafeCatalogueSkin(const CatalogueSkin& skin);

}  // namespace kelvo
