#pragma once

#include <QString>

namespace about {

// The product's name as the version box shows it.
QString productTitle();

// The version line of the version box ("Ver 3.0").
QString versionText();

// The publisher's one-line banner under the product's name.
QString bannerLine();

// The copyright holder, the contact mail and the web address, one per line.
QString copyrightText();

} // namespace about
