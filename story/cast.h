// The people of the world of the dead, each always shown with the same
// picture and the same profile.
#pragma once

struct Cast {
    const char* picture;
    const char* profile;   // UTF-8
};

extern const Cast megumi;          // 天野めぐみ, who asks every newcomer's name
extern const Cast naguku;          // ナグク, a boy
extern const Cast gaigaru;         // ガイガル, the escaped convict
extern const Cast hiroko;          // ヒロコ, a girl shaped like a machine
extern const Cast pedo;            // ペド, a girl in pain
extern const Cast witch;           // 魔女
extern const Cast reijin;          // 霊人, sword ghosts
extern const Cast toto;            // トト, the judge of the gate
extern const Cast redSword;        // レッドソード, the swordmaster
extern const Cast hitodama;        // ヒトダマ, souls that lost themselves
extern const Cast jiyu;            // ジユウ, the trainee of the castle
extern const Cast kuguwa;          // クグワ, souls eaten by one feeling
extern const Cast yoko;            // 夜子, who changes bodies
extern const Cast sigma;           // シグマ, the travelling merchant
extern const Cast ada;             // エイダ, the keeper of the emerald gate
extern const Cast exe;             // エグゼ, once the administrators' executor
extern const Cast devil;           // 悪魔
extern const Cast angel;           // 天使
extern const Cast neutralSpirit;   // 無属性霊体
