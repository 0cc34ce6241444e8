// The end of a fight and of a life: defeat, rewards, death, game over.
#pragma once

void DefeatEnemy();
void GrantDefeatRewards();
void DieInBattle();
// Outside fights: true when the soul had died and has just been revived.
bool CheckDeath();
// Death energy is exhausted: the last save is reloaded, the title returns.
void GameOver();
