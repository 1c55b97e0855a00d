// The strand tubes: after every frame each live strand's tube is rebuilt from its eight points and the
// current thickness, a ring of nine points around every strand point swept from root to tip.
#pragma once

namespace anim {

// strandSurfaces[s] for every live strand s; the tubes beyond the live part keep what they held.
void updateHairShape();

}  // namespace anim
