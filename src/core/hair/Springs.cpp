// buildSprings: the 13 springs of every strand in the store, from the hair length alone.
#include "hair/Springs.h"

#include "hair/HairStore.h"

namespace hair {

// Per strand, root at p = 8s: first the stretch springs (span 1) from p+k to p+k+1, k = 0..6, then the
// bend springs (span 2) from p+k to p+k+2, k = 0..5. A spring of span m rests at m*L with stiffness 1/m.
void buildSprings() {
    const float length = static_cast<float>(hairLength);
    HairSpring* spring = hairSprings;
    for (int root = 0; root < kMaxPoints; root += kPointsPerStrand) {
        for (int span = 1; span <= 2; ++span) {
            for (int inner = root; inner + span < root + kPointsPerStrand; ++inner) {
                *spring++ = {inner + span, inner, span * length, springStiffness / span};
            }
        }
    }
}

}  // namespace hair
