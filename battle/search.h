// The battle button away from a fight: searching what the step left at the
// soul's feet.
#pragma once

// Resolves the first thing lying here (jewel, tree, corpse, object, sealed
// corpse, orb, seal mark, time shard, coin); false when nothing lies here.
bool searchFeet();
// Nothing here and no fight: nobody, or, after a long run of empty
// searches, the creature that lives between the dimensions.
void searchNobody();
