#include "core/Views.h"

namespace {
Views installed;
} // namespace

Views &View() {
    return installed;
}
void InstallViews(const Views &views) {
    installed = views;
}
