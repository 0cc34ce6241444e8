#include "story/cast.h"

const Cast megumi{"7.bmp", "天野めぐみ。審判の門で、新しく来た魂に名前を聞いてまわる少女"};
const Cast naguku{"nagu.bmp", "ナグク。いたずら好きの少年。門のまわりで、なぜかいつも逃げ腰"};
const Cast gaigaru{"1.bmp", "ガイガル。囚人番号666。冥界の底の牢から逃げ出した脱獄囚"};
const Cast hiroko{"robogirl.bmp", "ヒロコ。機械の姿をした少女。生きていた頃の自分を、そのまま形にしたらしい"};
const Cast pedo{"zetu.bmp", "ペド。体のどこにも傷はないのに、ずっと痛みに震えている少女"};
const Cast witch{"majo.bmp", "魔女。この世界に誰よりも長くいる。カルマの話が好きで、少し意地悪"};
const Cast reijin{"8.bmp", "霊人。斬り合うことしか覚えていない剣の霊。話はほとんど通じない"};
const Cast toto{"6.bmp", "トト。審判の門の裁き手。心臓を天秤に載せ、真理の羽根と量る"};
const Cast redSword{"11.bmp", "レッドソード。赤い剣の剣豪。生きていた頃、一度も負けなかったという"};
const Cast hitodama{"week.bmp", "ヒトダマ。自分を失くした魂のなれの果て。名前も形も、もうない"};
const Cast jiyu{"jiyu.bmp", "ジユウ。試練城の見習い。木刀の素振りを欠かさない。手先が器用"};
const Cast kuguwa{"kuguwa.bmp", "クグワ。ひとつの想いに喰われた魂。その想いの名で呼ばれる怨霊"};
const Cast yoko{"5.bmp", "夜子。魂の体を、着替えるように取り換える少女。今日の体も借りもの"};
const Cast sigma{"9.bmp", "シグマ。冥界を渡り歩く行商人。品物の出どころは聞かない約束"};
const Cast ada{"10.bmp", "エイダ。エメラルダ門の前で遊ぶ小さな女の子。ぬいぐるみが友達"};
const Cast exe{"exce.bmp", "エグゼ。槍を持つ黒い騎士。かつて管理者達の命で、魂を底へ沈めていた"};
const Cast devil{"akuma.bmp", "悪魔。魔王城の蜃気楼に巣くう者。闇に傾いた魂を好んで喰らう"};
const Cast angel{"tenshi.bmp", "天使。天界の門柱を舞う者。光に傾いた魂を、天へ連れ去ろうとする"};
const Cast neutralSpirit{"muzoku.bmp", "無属性霊体。闇にも光にも傾かない霊。向き合う者の姿を映す"};
