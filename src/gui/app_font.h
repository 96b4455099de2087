// The application font: 宋体 9 pt, resolved to an installed Song/Ming face.
#pragma once

namespace varnello {

void InstallAppFont();

}  // namespace varnello
