#include "pedigree/pedigree_layout.h"

namespace brinox {
namespace {

constexpr int kPanelWidth = 250, kPanelHeight = 40;
constexpr int kSelfWidth = 296, kSelfHeight = 57;
constexpr int kCrossWidth = 12, kCrossHeight = 19;  // the "X" markers
constexpr int kBarWidth = 5, kBarHeight = 26;       // the "I" markers
constexpr int kListWidth = 498, kListHeight = 148;

}  // namespace

std::vector<ControlGeometry> pedigreeLayout(int pedigreeWidth, int clientWidth) {
    const int w = pedigreeWidth;
    const int h = w / 2;
    const int omaVLeft = h - kPanelWidth - 5;
    const int half = kPanelWidth / 2;
    // The middle between the centres of the father's parents.
    const int mid = (half + 5 + omaVLeft + half) / 2;
    const int vaderLeft = mid - kPanelWidth / 2;
    const int listLeft = (clientWidth - kListWidth) / 2;
    return {
        {"opa_v1", 5, 5, kPanelWidth, kPanelHeight},
        {"oma_v1", omaVLeft, 62, kPanelWidth, kPanelHeight},
        {"opa_m1", h + 5, 5, kPanelWidth, kPanelHeight},
        {"oma_m1", w - kPanelWidth - 5, 62, kPanelWidth, kPanelHeight},
        {"vader1", vaderLeft, 131, kPanelWidth, kPanelHeight},
        {"moeder1", vaderLeft + h, 131, kPanelWidth, kPanelHeight},
        {"zelf1", h - kSelfWidth / 2, 187, kSelfWidth, kSelfHeight},
        {"Label1", mid, 46, kCrossWidth, kCrossHeight},
        {"Label2", mid + h, 46, kCrossWidth, kCrossHeight},
        {"Label3", mid, 105, kBarWidth, kBarHeight},
        {"Label4", mid + h, 105, kBarWidth, kBarHeight},
        {"Label5", h - 6, 144, kCrossWidth, kCrossHeight},
        {"Label6", h - 2, 165, kBarWidth, 22},
        {"Label7", listLeft, 3, kListWidth, 14},
        {"List", listLeft, 17, kListWidth, kListHeight},
    };
}

}  // namespace brinox
