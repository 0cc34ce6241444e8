<?xml version="1.0" encoding="UTF-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
    <context>
        <name>miruhe</name>
        <message>
            <location filename="../../app/lifecycle.cpp" line="56"/>
            <source>まだ目覚めたばかりの、ちいさな魂だった。</source>
            <translation>was only a small soul, just woken.</translation>
        </message>
        <message>
            <location filename="../../app/lifecycle.cpp" line="57"/>
            <source>ぼんやりと、死者の道を見つめていた。</source>
            <translation>stood gazing blankly down the road of the dead.</translation>
        </message>
        <message>
            <location filename="../../app/lifecycle.cpp" line="58"/>
            <source>少しだけ、自分の名前を思い出しかけていた。</source>
            <translation>had almost begun to remember its own name.</translation>
        </message>
        <message>
            <location filename="../../app/lifecycle.cpp" line="59"/>
            <source>迷いながらも、一歩ずつ歩いていた。</source>
            <translation>was lost, yet walked on, one step at a time.</translation>
        </message>
        <message>
            <location filename="../../app/lifecycle.cpp" line="60"/>
            <source>誰かの声に、そっと耳をすませていた。</source>
            <translation>was quietly listening for someone's voice.</translation>
        </message>
        <message>
            <location filename="../../app/lifecycle.cpp" line="61"/>
            <source>失くした記憶のかけらを、大事に抱えていた。</source>
            <translation>held the pieces of its lost memories close.</translation>
        </message>
        <message>
            <location filename="../../app/lifecycle.cpp" line="62"/>
            <source>魂の剣を、静かに握りしめていた。</source>
            <translation>was quietly gripping its Soul Sword.</translation>
        </message>
        <message>
            <location filename="../../app/lifecycle.cpp" line="63"/>
            <source>この世界の謎に、あと少しで触れそうだった。</source>
            <translation>had almost touched the mystery of this world.</translation>
        </message>
        <message>
            <location filename="../../app/lifecycle.cpp" line="64"/>
            <source>死のエネルギーの流れを、感じとれるようになっていた。</source>
            <translation>had begun to sense the flow of Death Energy.</translation>
        </message>
        <message>
            <location filename="../../app/lifecycle.cpp" line="65"/>
            <source>もうすぐ、ひとつになれそうだった。</source>
            <translation>was so close to becoming one.</translation>
        </message>
        <message>
            <location filename="../../app/lifecycle.cpp" line="69"/>
            <source>きみ</source>
            <translation>The nameless one</translation>
        </message>
        <message>
            <location filename="../../app/lifecycle.cpp" line="70"/>
            <source>%1は、</source>
            <translation>%1...</translation>
        </message>
        <message>
            <location filename="../../app/main.cpp" line="27"/>
            <source>使い方: miruhe [--language %1] [--soundfont FILE]
ミルヘ: 死者の世界の道を、ひとつの魂が歩いていく。

  --language %1  この一回だけ、その言葉で遊ぶ (設定の言葉はそのまま)
  --soundfont FILE  設定の音色やシステムの General MIDI のかわりに、
                    この SoundFont (.sf2/.sf3) で曲を鳴らす
  --help            これを出して終わる
  --version         版を出して終わる

Qt のオプション (-platform, -display, ...) も使えます。
設定 (言葉、画面の大きさ、音量、音色): $XDG_CONFIG_HOME/miruhe/settings.ini
インストールしたときのセーブと記録: $XDG_DATA_HOME/miruhe/
ゲームの中では F1 でキーと短い案内。タイトルでは L で言葉を切り替えます。
</source>
            <translation>Usage: miruhe [--language %1] [--soundfont FILE]
Miruhe: a soul walks the roads of the world of the dead.

  --language %1  play in that language this once (the kept one stays)
  --soundfont FILE  play the music with this SoundFont (.sf2/.sf3) instead of
                    the one in the settings or the system's General MIDI one
  --help            show this and quit
  --version         show the version and quit

Qt's own options (-platform, -display, ...) are taken too.
Settings (language, window scale, volumes, soundfont): $XDG_CONFIG_HOME/miruhe/settings.ini
Save and record file of an installed copy: $XDG_DATA_HOME/miruhe/
In the game, F1 shows the keys and a short guide; on the title, L switches the language.
</translation>
        </message>
        <message>
            <location filename="../../core/datafile.cpp" line="17"/>
            <source>ﾌｧｲﾙが見つかりません</source>
            <translation>File not found</translation>
        </message>
        <message>
            <location filename="../../core/datafile.cpp" line="19"/>
            <source>ﾊﾟｽが見つかりません</source>
            <translation>Path not found</translation>
        </message>
        <message>
            <location filename="../../core/datafile.cpp" line="24"/>
            <source>ﾌｧｲﾙ ｱｸｾｽが拒否されました</source>
            <translation>File access denied</translation>
        </message>
        <message>
            <location filename="../../core/datafile.cpp" line="27"/>
            <source>ﾃﾞｨｽｸがいっぱいです</source>
            <translation>Disk full</translation>
        </message>
        <message>
            <location filename="../../core/datafile.cpp" line="29"/>
            <source>ﾌｧｲﾙが大きすぎます</source>
            <translation>File too large</translation>
        </message>
        <message>
            <location filename="../../core/datafile.cpp" line="31"/>
            <source>ﾌｧｲﾙが既に存在します</source>
            <translation>File already exists</translation>
        </message>
        <message>
            <location filename="../../core/datafile.cpp" line="33"/>
            <source>入出力ｴﾗｰ %1</source>
            <translation>I/O error %1</translation>
        </message>
        <message>
            <location filename="../../core/datafile.cpp" line="92"/>
            <source>(%1 %2行目)</source>
            <translation>(%1, line %2)</translation>
        </message>
        <message>
            <location filename="../../core/datafile.cpp" line="116"/>
            <location filename="../../core/datafile.cpp" line="149"/>
            <source>ﾌｧｲﾙの終わりを越えて読み込もうとしました</source>
            <translation>Read beyond end of file</translation>
        </message>
        <message>
            <location filename="../../core/datafile.cpp" line="128"/>
            <location filename="../../core/datafile.cpp" line="132"/>
            <location filename="../../core/datafile.cpp" line="135"/>
            <location filename="../../core/datafile.cpp" line="140"/>
            <source>入力値が数値ではありません</source>
            <translation>Input is not a valid number</translation>
        </message>
        <message>
            <location filename="../../core/datafile.cpp" line="142"/>
            <source>入力値が範囲外です</source>
            <translation>Input value out of range</translation>
        </message>
        <message>
            <location filename="../../core/places.cpp" line="47"/>
            <source>セーブの置き場所に書き込めません。&#xd;このまま遊べますが、セーブはできません。&#xd;%1</source>
            <translation>The save folder cannot be written.&#xd;You can play on, but nothing can be saved.&#xd;%1</translation>
        </message>
        <message>
            <location filename="../../core/ranking.cpp" line="15"/>
            <source>%1pt. %2 (%3∽消費)</source>
            <translation>%1pt. %2 (%3∽ spent)</translation>
        </message>
        <message>
            <location filename="../../core/ranking.cpp" line="49"/>
            <source>【冥土の紋】</source>
            <translation>[Underworld Crest]</translation>
        </message>
        <message>
            <location filename="../../core/ranking.cpp" line="51"/>
            <source>【魂の紋】</source>
            <translation>[Soul Crest]</translation>
        </message>
        <message>
            <location filename="../../core/ranking.cpp" line="53"/>
            <source>【赤き剣の紋】</source>
            <translation>[Red Sword Crest]</translation>
        </message>
        <message>
            <location filename="../../core/ranking.cpp" line="55"/>
            <source>【管理者達の紋】</source>
            <translation>[Overseers' Crest]</translation>
        </message>
        <message>
            <location filename="../../core/ranking.cpp" line="57"/>
            <source>★ミルヘデータ</source>
            <translation>★Miruhe Record</translation>
        </message>
        <message>
            <location filename="../../core/ranking.cpp" line="58"/>
            <source>1位名前：%1</source>
            <translation>No.1 name: %1</translation>
        </message>
        <message>
            <location filename="../../core/ranking.cpp" line="59"/>
            <source>トライ回数：%1回</source>
            <translation>Tries: %1</translation>
        </message>
        <message>
            <location filename="../../core/ranking.cpp" line="60"/>
            <source>1位消費死のエネルギー：%1∽</source>
            <translation>No.1 Death Energy spent: %1∽</translation>
        </message>
        <message>
            <location filename="../../core/ranking.cpp" line="61"/>
            <source>1位個体スコア：%1pt.</source>
            <translation>No.1 Score: %1pt.</translation>
        </message>
        <message>
            <location filename="../../core/ranking.cpp" line="63"/>
            <source>－－－－－－－－－－－－－－－－－－－－</source>
            <translation>----------------------------------------</translation>
        </message>
        <message>
            <location filename="../../core/ranking.cpp" line="73"/>
            <source>★個体スコアＲＡＮＫ&#xd;――――――――――</source>
            <translation>★SCORE RANKING&#xd;------------------------------</translation>
        </message>
        <message>
            <location filename="../../core/ranking.cpp" line="76"/>
            <source>Try回数:%1回</source>
            <translation>Tries: %1</translation>
        </message>
        <message>
            <location filename="../../core/savegame.cpp" line="163"/>
            <source>my.datを読み込めなかったので、セーブを取りやめました</source>
            <translation>my.dat could not be read, so the save was called off</translation>
        </message>
        <message>
            <location filename="../../core/settings.cpp" line="53"/>
            <source>設定ファイルを読み書きできないので、設定はこの回だけ覚えておきます。&#xd;%1</source>
            <translation>The settings file cannot be read or written, so the settings are kept for this run only.&#xd;%1</translation>
        </message>
        <message>
            <location filename="../../core/state.cpp" line="54"/>
            <source>番号 %1 のデータはありません</source>
            <translation>There is no data for number %1</translation>
        </message>
        <message>
            <location filename="../../core/state.cpp" line="56"/>
            <source>あなた</source>
            <translation>The soul</translation>
        </message>
        <message>
            <location filename="../../ui/controls.cpp" line="307"/>
            <source>ファイル %1 を開けません</source>
            <translation>Cannot open file %1</translation>
        </message>
        <message>
            <location filename="../../ui/controls.cpp" line="308"/>
            <source>ビットマップ イメージが不正です</source>
            <translation>Bitmap image is not valid</translation>
        </message>
        <message>
            <location filename="../../ui/dialogs.cpp" line="27"/>
            <source>確認</source>
            <translation>Confirm</translation>
        </message>
        <message>
            <location filename="../../ui/dialogs.cpp" line="27"/>
            <source>Ｋ．Ｔ．</source>
            <translation>K.T.</translation>
        </message>
        <message>
            <location filename="../../ui/dialogs.cpp" line="40"/>
            <source>はい(&amp;Y)</source>
            <translation>&amp;Yes</translation>
        </message>
        <message>
            <location filename="../../ui/dialogs.cpp" line="41"/>
            <source>いいえ(&amp;N)</source>
            <translation>&amp;No</translation>
        </message>
        <message>
            <location filename="../../ui/form1.cpp" line="310"/>
            <source>音を出せないので、音なしで続けます。&#xd;%1&#xd;(%2)</source>
            <translation>Sound cannot start, so the game goes on without it.&#xd;%1&#xd;(%2)</translation>
        </message>
        <message>
            <location filename="../../ui/form1.cpp" line="318"/>
            <source>ｶﾙﾏ &gt;</source>
            <translation>Karma        &gt;</translation>
        </message>
        <message>
            <location filename="../../ui/form1.cpp" line="319"/>
            <source>きめた</source>
            <translation>Done</translation>
        </message>
        <message>
            <location filename="../../ui/form1.cpp" line="320"/>
            <source>ＹＥＳ</source>
            <translation>YES</translation>
        </message>
        <message>
            <location filename="../../ui/form1.cpp" line="321"/>
            <source>ＮＯ</source>
            <translation>NO</translation>
        </message>
        <message>
            <location filename="../../ui/form1.cpp" line="322"/>
            <source>魂の剣 +1</source>
            <translation>Soul Sword +1</translation>
        </message>
        <message>
            <location filename="../../ui/form1.cpp" line="323"/>
            <source>魂の鎧 +1</source>
            <translation>Soul Armor +1</translation>
        </message>
        <message>
            <location filename="../../ui/form1.cpp" line="324"/>
            <source>魂の大きさ +3</source>
            <translation>Max Soul +3</translation>
        </message>
        <message>
            <location filename="../../ui/form1.cpp" line="325"/>
            <source>個体ｽｺｱ化+約400</source>
            <translation>Score +about 400</translation>
        </message>
        <message>
            <location filename="../../ui/form1.cpp" line="326"/>
            <source>死のｴﾈﾙｷﾞｰへ変換+100</source>
            <translation>To Death Energy +100</translation>
        </message>
        <message>
            <location filename="../../ui/form1.cpp" line="327"/>
            <source>買う</source>
            <translation>Buy</translation>
        </message>
        <message>
            <location filename="../../ui/form1.cpp" line="329"/>
            <location filename="../../assets/dat/map.txt" line="1"/>
            <source>審判の門</source>
            <translation>Doomgate</translation>
        </message>
        <message>
            <location filename="../../ui/form1.cpp" line="330"/>
            <location filename="../../assets/dat/map.txt" line="13"/>
            <source>シキハキ街</source>
            <translation>Shikihaki</translation>
        </message>
        <message>
            <location filename="../../ui/form1.cpp" line="331"/>
            <location filename="../../assets/dat/map.txt" line="9"/>
            <source>エメラルダ門</source>
            <translation>Jadegate</translation>
        </message>
        <message>
            <location filename="../../ui/form1.cpp" line="332"/>
            <location filename="../../assets/dat/map.txt" line="5"/>
            <source>試練城</source>
            <translation>Trial Castle</translation>
        </message>
        <message>
            <location filename="../../ui/form1.cpp" line="333"/>
            <location filename="../../assets/dat/map.txt" line="17"/>
            <source>紫原っぱ</source>
            <translation>Violet Field</translation>
        </message>
        <message>
            <location filename="../../ui/form1.cpp" line="334"/>
            <location filename="../../assets/dat/map.txt" line="21"/>
            <source>塔</source>
            <translation>The Tower</translation>
        </message>
        <message>
            <location filename="../../ui/form1.cpp" line="335"/>
            <location filename="../../assets/dat/map.txt" line="25"/>
            <source>魔王城の蜃気楼</source>
            <translation>Mirage Castle</translation>
        </message>
        <message>
            <location filename="../../ui/form1.cpp" line="336"/>
            <location filename="../../assets/dat/map.txt" line="29"/>
            <source>天界天秤の門柱</source>
            <translation>Sky Scales</translation>
        </message>
        <message>
            <location filename="../../ui/form1.cpp" line="337"/>
            <source>セーブ(死E:50∽)</source>
            <translation>Save (50∽)</translation>
        </message>
        <message>
            <location filename="../../ui/form1.cpp" line="338"/>
            <source>ぬらもせーぶ</source>
            <translation>Nuramo Save</translation>
        </message>
        <message>
            <location filename="../../ui/form1.cpp" line="339"/>
            <source>死E:20(金:5枚)</source>
            <translation>20∽ for 5 gold</translation>
        </message>
        <message>
            <location filename="../../ui/form1.cpp" line="340"/>
            <location filename="../../assets/dat/map.txt" line="33"/>
            <source>うさくまちゃん</source>
            <translation>Bunbear</translation>
        </message>
        <message>
            <location filename="../../ui/form1.cpp" line="341"/>
            <location filename="../../assets/dat/map.txt" line="37"/>
            <source>管理者達の間</source>
            <translation>High Hall</translation>
        </message>
        <message>
            <location filename="../../ui/form1.cpp" line="342"/>
            <location filename="../../assets/dat/map.txt" line="49"/>
            <source>小屋</source>
            <translation>Hut</translation>
        </message>
        <message>
            <location filename="../../ui/form1.cpp" line="343"/>
            <location filename="../../assets/dat/map.txt" line="53"/>
            <source>洞穴</source>
            <translation>Cave</translation>
        </message>
        <message>
            <location filename="../../ui/form1.cpp" line="344"/>
            <location filename="../../title/title_screen.cpp" line="35"/>
            <source>ミルヘ</source>
            <translation>Miruhe</translation>
        </message>
        <message>
            <location filename="../../ui/form1.cpp" line="349"/>
            <location filename="../../title/title_screen.cpp" line="61"/>
            <source>くいるもす</source>
            <translation>Kuirumosu</translation>
        </message>
        <message>
            <location filename="../../ui/form1.cpp" line="350"/>
            <source>ランキング</source>
            <translation>Ranking</translation>
        </message>
        <message>
            <location filename="../../ui/form1.cpp" line="351"/>
            <source>なんいどせんたく</source>
            <translation>Choose difficulty</translation>
        </message>
        <message>
            <location filename="../../ui/form1.cpp" line="353"/>
            <source>CLEAR☆</source>
            <translation>CLEAR☆</translation>
        </message>
        <message>
            <location filename="../../ui/form1.cpp" line="354"/>
            <location filename="../../ui/form1.cpp" line="360"/>
            <source>&lt;&lt;戻る</source>
            <translation>&lt;&lt;Back</translation>
        </message>
        <message>
            <location filename="../../ui/form1.cpp" line="355"/>
            <source>ミルヘ　　作・プログラム：くいるもす</source>
            <translation>Miruhe    Story &amp; program: Kuirumosu</translation>
        </message>
        <message>
            <location filename="../../ui/form1.cpp" line="356"/>
            <source>絵・曲・効果音：くいるもす</source>
            <translation>Art, music &amp; sounds: Kuirumosu</translation>
        </message>
        <message>
            <location filename="../../ui/form1.cpp" line="357"/>
            <source>テストプレイ：ためしに歩いてくれた魂たち</source>
            <translation>Testing: the souls who walked it first</translation>
        </message>
        <message>
            <location filename="../../ui/form1.cpp" line="358"/>
            <source>さいごまで歩いてくれたあなたへ。ありがとう！</source>
            <translation>To you, who walked to the very end: thank you!</translation>
        </message>
        <message>
            <location filename="../../ui/form1.cpp" line="359"/>
            <source>&lt;&lt;きいちゃう！！</source>
            <translation>&lt;&lt;Listen!!</translation>
        </message>
        <message>
            <location filename="../../ui/form1.cpp" line="361"/>
            <source>曲説明</source>
            <translation>About the tune</translation>
        </message>
        <message>
            <location filename="../../ui/form1.cpp" line="362"/>
            <source>アイテム図鑑　アイテムナンバー&gt;&gt;</source>
            <translation>Item Encyclopedia  No.&gt;&gt;</translation>
        </message>
        <message>
            <location filename="../../ui/form1.cpp" line="363"/>
            <source>説明</source>
            <translation>Description</translation>
        </message>
        <message>
            <location filename="../../ui/form1.cpp" line="364"/>
            <source>全初期化</source>
            <translation>Reset All</translation>
        </message>
        <message>
            <location filename="../../ui/help.cpp" line="9"/>
            <source>【キー】&#xd;Space・Enter　つぎへ（クリックと同じ）&#xd;W あるく　B たたかう・しらべる　J ジャンプ&#xd;I アイテムをつかう・うる&#xd;Y ＹＥＳ　N・Esc ＮＯ&#xd;1～5 成長をえらぶ（上の段の左から順に）&#xd;名前は打ちこんで、Enter で「きめた」&#xd;] [ 曲の音量　} { 効果音の音量　M 消音（音量キーも）&#xd;Ctrl と ＋ － 0 画面の大きさ　F11 全画面&#xd;F1 このせつめい　L 言葉の切りかえ（タイトルで）&#xd;ワールドマップ、タイトル、お店、アイテムえらびはマウスでどうぞ。&#xd;&#xd;【∽　死のエネルギー】&#xd;君がこの世界にいられるのは、∽があるから。&#xd;一歩あるくたびに少しずつ減って、エリアに入るときに払うこともある。&#xd;魂が尽きて倒れると、∽を 100失って、また立ち上がる。&#xd;∽が尽きたら、そこでおしまい。&#xd;&#xd;【最初の道の果て】&#xd;果ての門は、そこに住む人たちに会った魂にしか開かない。&#xd;名前をたずねる子には、名前を教えてあげて。&#xd;心臓を量るトトには、二度うなずいてごらん。&#xd;それまでは、不思議な力にはじきとばされてしまうよ。&#xd;&#xd;【セーブとＧＡＭＥ ＯＶＥＲ】&#xd;セーブは、道の途中のセーブポイントや、ワールドマップで。&#xd;ＧＡＭＥ ＯＶＥＲになっても、「つづきから」で最後のセーブから歩き直せる。&#xd;セーブまでの歩みは消えない。何度でも、そうやって進むんだ。</source>
            <translation>[Keys]&#xd;Space, Enter  next (as a click)&#xd;W walk  B fight, search  J jump&#xd;I use or sell the item&#xd;Y YES  N, Esc NO&#xd;1-5 choose how to grow (top row from the left)&#xd;Type a name, then Enter for &quot;Done&quot;&#xd;] [ music volume  } { effects volume  M mute (and the volume keys)&#xd;Ctrl with + - 0 window size  F11 full screen&#xd;F1 this help  L language (on the title)&#xd;The world map, the title, the shop and the item list take the mouse.&#xd;&#xd;[∽ Death Energy]&#xd;You stay in this world only while you have ∽.&#xd;Each step uses a little, and entering an area may cost some.&#xd;When your Soul gives out you fall, lose 100∽, and rise again.&#xd;When ∽ runs out, it is over.&#xd;&#xd;[The end of the first road]&#xd;The far gate opens only for a soul that has met the people there.&#xd;The girl who asks your name: tell her.&#xd;Toto, who weighs hearts: nod to him twice.&#xd;Until then, a strange force throws you back.&#xd;&#xd;[Saving and GAME OVER]&#xd;Save at save points on the road, or on the world map.&#xd;After GAME OVER, &quot;Continue&quot; walks on from your last save.&#xd;What you saved is never lost. That is how you go on, as often as it takes.</translation>
        </message>
        <message>
            <location filename="../../ui/keys.cpp" line="43"/>
            <source>つぎへ</source>
            <translation>Next</translation>
        </message>
        <message>
            <location filename="../../ui/keys.cpp" line="44"/>
            <source>あるく</source>
            <translation>Walk</translation>
        </message>
        <message>
            <location filename="../../ui/keys.cpp" line="45"/>
            <location filename="../../ui/keys.cpp" line="45"/>
            <source>たたかう・しらべる</source>
            <translation>Fight / Search</translation>
        </message>
        <message>
            <location filename="../../ui/keys.cpp" line="46"/>
            <source>うる</source>
            <translation>Sell</translation>
        </message>
        <message>
            <location filename="../../ui/keys.cpp" line="46"/>
            <source>つかう</source>
            <translation>Use</translation>
        </message>
        <message>
            <location filename="../../ui/keys.cpp" line="47"/>
            <source>ジャンプ</source>
            <translation>Jump</translation>
        </message>
        <message>
            <location filename="../../ui/message.cpp" line="76"/>
            <source>所持:%1</source>
            <translation>Holds: %1</translation>
        </message>
        <message>
            <location filename="../../ui/message.cpp" line="86"/>
            <source>(残:%1)</source>
            <translation>(%1 left)</translation>
        </message>
        <message>
            <location filename="../../ui/message.cpp" line="107"/>
            <source>襲ってきた!!</source>
            <translation>It attacks!!</translation>
        </message>
        <message>
            <location filename="../../ui/music.cpp" line="108"/>
            <source>音色ファイルを読み込めませんでした。音楽なしで続けます。&#xd;%1</source>
            <translation>The soundfont could not be loaded. Playing on without music.&#xd;%1</translation>
        </message>
        <message>
            <location filename="../../ui/music.cpp" line="109"/>
            <source>音色ファイルを読み込めませんでした。&#xd;%1&#xd;代わりにこちらで演奏します。&#xd;%2</source>
            <translation>The soundfont could not be loaded:&#xd;%1&#xd;The music plays with this one instead:&#xd;%2</translation>
        </message>
        <message>
            <location filename="../../ui/saving.cpp" line="28"/>
            <source>前のセーブに戻る？&#xd;（%1のセーブ、トライ回数：%2回）</source>
            <translation>Go back to the previous save?&#xd;(saved %1, tries: %2)</translation>
        </message>
        <message>
            <location filename="../../ui/status.cpp" line="23"/>
            <source>魔王</source>
            <translation>Demon King</translation>
        </message>
        <message>
            <location filename="../../ui/status.cpp" line="23"/>
            <source>大悪魔</source>
            <translation>Archdemon</translation>
        </message>
        <message>
            <location filename="../../ui/status.cpp" line="23"/>
            <source>小悪魔</source>
            <translation>Imp</translation>
        </message>
        <message>
            <location filename="../../ui/status.cpp" line="24"/>
            <source>妖魔</source>
            <translation>Fiend</translation>
        </message>
        <message>
            <location filename="../../ui/status.cpp" line="24"/>
            <source>魔</source>
            <translation>Devil</translation>
        </message>
        <message>
            <location filename="../../ui/status.cpp" line="24"/>
            <source>大悪</source>
            <translation>Villain</translation>
        </message>
        <message>
            <location filename="../../ui/status.cpp" line="25"/>
            <source>悪</source>
            <translation>Wicked</translation>
        </message>
        <message>
            <location filename="../../ui/status.cpp" line="25"/>
            <source>小悪</source>
            <translation>Rogue</translation>
        </message>
        <message>
            <location filename="../../ui/status.cpp" line="25"/>
            <source>微悪</source>
            <translation>Shady</translation>
        </message>
        <message>
            <location filename="../../ui/status.cpp" line="26"/>
            <source>無</source>
            <translation>Neutral</translation>
        </message>
        <message>
            <location filename="../../ui/status.cpp" line="26"/>
            <source>微善</source>
            <translation>Decent</translation>
        </message>
        <message>
            <location filename="../../ui/status.cpp" line="26"/>
            <source>小善</source>
            <translation>Kind</translation>
        </message>
        <message>
            <location filename="../../ui/status.cpp" line="27"/>
            <source>善</source>
            <translation>Good</translation>
        </message>
        <message>
            <location filename="../../ui/status.cpp" line="27"/>
            <source>大善</source>
            <translation>Noble</translation>
        </message>
        <message>
            <location filename="../../ui/status.cpp" line="27"/>
            <source>聖</source>
            <translation>Holy</translation>
        </message>
        <message>
            <location filename="../../ui/status.cpp" line="28"/>
            <source>聖太</source>
            <translation>Saint</translation>
        </message>
        <message>
            <location filename="../../ui/status.cpp" line="28"/>
            <source>小天使</source>
            <translation>Cherub</translation>
        </message>
        <message>
            <location filename="../../ui/status.cpp" line="28"/>
            <source>大天使</source>
            <translation>Archangel</translation>
        </message>
        <message>
            <location filename="../../ui/status.cpp" line="29"/>
            <source>神</source>
            <translation>God</translation>
        </message>
        <message>
            <location filename="../../ui/status.cpp" line="48"/>
            <location filename="../../ui/status.cpp" line="58"/>
            <source>【%1】</source>
            <translation>[%1]</translation>
        </message>
        <message>
            <location filename="../../ui/status.cpp" line="57"/>
            <source>ＭＡＰ</source>
            <translation>MAP</translation>
        </message>
        <message>
            <location filename="../../ui/status.cpp" line="64"/>
            <source>【信】</source>
            <translation> Fth</translation>
        </message>
        <message>
            <location filename="../../ui/status.cpp" line="66"/>
            <source>【怨】</source>
            <translation> Grd</translation>
        </message>
        <message>
            <location filename="../../ui/status.cpp" line="68"/>
            <source>【毒】</source>
            <translation> Psn</translation>
        </message>
        <message>
            <location filename="../../ui/status.cpp" line="70"/>
            <source>【癒】</source>
            <translation> Hl</translation>
        </message>
        <message>
            <location filename="../../ui/status.cpp" line="72"/>
            <source>きょり：%1Km/%2</source>
            <translation>Dist: %1Km/%2</translation>
        </message>
        <message>
            <location filename="../../ui/status.cpp" line="73"/>
            <source>意識：%1%2</source>
            <translation>Mind: %1%2</translation>
        </message>
        <message>
            <location filename="../../ui/status.cpp" line="74"/>
            <source>記憶：%1/%2</source>
            <translation>Mem: %1/%2</translation>
        </message>
        <message>
            <location filename="../../ui/status.cpp" line="75"/>
            <source>  魂：%1</source>
            <translation> HP:%1</translation>
        </message>
        <message>
            <location filename="../../ui/status.cpp" line="76"/>
            <source>  剣：△%1 鎧：▽%2</source>
            <translation> Atk△%1 Def▽%2</translation>
        </message>
        <message>
            <location filename="../../ui/status.cpp" line="77"/>
            <source>死のエネルギー:%1∽&#xd;個体スコア：%2pt. (Rank1:%3pt.)</source>
            <translation>Death Energy: %1∽&#xd;Score: %2pt. (Rank1:%3pt.)</translation>
        </message>
        <message>
            <location filename="../../ui/status.cpp" line="83"/>
            <source>金貨：%1枚</source>
            <translation>Gold: %1</translation>
        </message>
        <message>
            <location filename="../../ui/status.cpp" line="86"/>
            <source>★%1 ∽消費:%2 Try:%3</source>
            <translation>★%1 ∽spent:%2 Try:%3</translation>
        </message>
        <message>
            <location filename="../../ui/status.cpp" line="147"/>
            <source>     ｶﾙﾏ ↑%1%</source>
            <translation>     Karma ↑%1%</translation>
        </message>
        <message>
            <location filename="../../ui/status.cpp" line="150"/>
            <source>     ｶﾙﾏ ↓%1%</source>
            <translation>     Karma ↓%1%</translation>
        </message>
        <message>
            <location filename="../../ui/volume.cpp" line="59"/>
            <source>音楽 %1%</source>
            <translation>Music %1%</translation>
        </message>
        <message>
            <location filename="../../ui/volume.cpp" line="59"/>
            <source>効果音 %1%</source>
            <translation>Effects %1%</translation>
        </message>
        <message>
            <location filename="../../ui/volume.cpp" line="78"/>
            <source>♪×</source>
            <translation>♪×</translation>
        </message>
        <message>
            <location filename="../../ui/volume.cpp" line="79"/>
            <location filename="../../ui/volume.cpp" line="105"/>
            <source>消音</source>
            <translation>Muted</translation>
        </message>
        <message>
            <location filename="../../title/conquest.cpp" line="29"/>
            <source>%1は、管理者達の間の、いちばん奥の扉を開けた</source>
            <translation>%1 opened the innermost door of the High Hall.</translation>
        </message>
        <message>
            <location filename="../../title/conquest.cpp" line="30"/>
            <source>そこには誰もいなかった。ただ、生きていた頃の自分の声が、小さく響いていた</source>
            <translation>No one was there. Only the voice of your living self, echoing softly.</translation>
        </message>
        <message>
            <location filename="../../title/conquest.cpp" line="31"/>
            <source>「見つかった？」……うん、見つかった。ひとつになった魂に、死者の世界の静かな朝が来た</source>
            <translation>&quot;Found it?&quot; ...Yes. I found it. Over the soul made one, a quiet morning rose on the world of the dead.</translation>
        </message>
        <message>
            <location filename="../../title/conquest.cpp" line="59"/>
            <source>%1は、【%2】を制覇した</source>
            <translation>%1 has conquered [%2].</translation>
        </message>
        <message>
            <location filename="../../title/extras.cpp" line="22"/>
            <source>死者の世界の入り口で、いつも静かに鳴っている曲。ここへ来た魂は、みんな最初にこの旋律を聴く。生きていたころに聴いた気がする、と言う者も多い。</source>
            <translation>The tune always playing softly at the gate of the dead. Every soul hears this melody first. Many say they once heard it in life.</translation>
        </message>
        <message>
            <location filename="../../title/extras.cpp" line="25"/>
            <source>紫の草がそよぐ原っぱの曲。風の吹かない冥界で、なぜかこの草だけはいつも揺れている。草を揺らしているのは、ここで眠る魂たちの寝息なのだとか。</source>
            <translation>The tune of the swaying violet grass. No wind blows in the Underworld, yet this grass always stirs. Some say it's the breath of the souls asleep there.</translation>
        </message>
        <message>
            <location filename="../../title/extras.cpp" line="28"/>
            <source>冥界の地図をながめるときの曲。次にどこへ向かうのかは、魂の自由。ただし、死のエネルギーの残りには気をつけて。</source>
            <translation>The tune of the Underworld's map. Where to go next is the soul's to choose. Just mind your Death Energy.</translation>
        </message>
        <message>
            <location filename="../../title/extras.cpp" line="31"/>
            <source>道の果てで待つ番人との戦いの曲。番人たちは、魂の剣を抜いた者にしかこの曲を聴かせない。負けるつもりで剣を抜く番人は、ひとりもいない。</source>
            <translation>The battle tune of the Guardians at the roads' ends. Only those who draw the Soul Sword hear it. No Guardian draws a sword to lose.</translation>
        </message>
        <message>
            <location filename="../../title/extras.cpp" line="34"/>
            <source>うさくまちゃんの曲。うさぎなのか、くまなのか。本人にもよくわかっていないらしい。めったに会えないが、会えた魂は少しだけ幸せになるという。</source>
            <translation>Bunbear's tune. Bunny or bear? Even Bunbear doesn't seem sure. Rarely met, but they say a soul who meets it grows just a little happier.</translation>
        </message>
        <message>
            <location filename="../../title/extras.cpp" line="49"/>
            <source>★</source>
            <translation>★</translation>
        </message>
        <message>
            <location filename="../../title/extras.cpp" line="99"/>
            <source>レア度:%1</source>
            <translation>Rarity: %1</translation>
        </message>
        <message>
            <location filename="../../title/questions.cpp" line="67"/>
            <source>「%1」・・・・、なんだか強そうな名前だね!!</source>
            <translation>&quot;%1&quot;... What a strong-sounding name!!</translation>
        </message>
        <message>
            <location filename="../../title/questions.cpp" line="69"/>
            <location filename="../../battle/levelup.cpp" line="29"/>
            <source>魂の剣が 1強くなった!!</source>
            <translation>Soul Sword +1!!</translation>
        </message>
        <message>
            <location filename="../../title/questions.cpp" line="71"/>
            <source>「%1」・・・・、その名前、なんだか安心する</source>
            <translation>&quot;%1&quot;... Somehow, that name puts me at ease.</translation>
        </message>
        <message>
            <location filename="../../title/questions.cpp" line="73"/>
            <location filename="../../battle/levelup.cpp" line="37"/>
            <source>魂の鎧が 1強くなった!!</source>
            <translation>Soul Armor +1!!</translation>
        </message>
        <message>
            <location filename="../../title/questions.cpp" line="75"/>
            <source>「%1」・・・・、その名前、なんだか聞いた事があるような</source>
            <translation>&quot;%1&quot;... I feel like I've heard that name before...</translation>
        </message>
        <message>
            <location filename="../../title/questions.cpp" line="77"/>
            <source>魂の大きさが 2上昇した!!</source>
            <translation>Max Soul +2!!</translation>
        </message>
        <message>
            <location filename="../../title/questions.cpp" line="79"/>
            <source>「%1」・・・・!!!!すごい名前だね</source>
            <translation>&quot;%1&quot;...!!!! What an amazing name!</translation>
        </message>
        <message>
            <location filename="../../title/questions.cpp" line="81"/>
            <source>個体スコアが 100上昇した!!</source>
            <translation>Score +100!!</translation>
        </message>
        <message>
            <location filename="../../title/questions.cpp" line="83"/>
            <source>「%1」・・・・、変わった名前・・・ちょっと恐いね</source>
            <translation>&quot;%1&quot;... What an odd name... It's a little scary.</translation>
        </message>
        <message>
            <location filename="../../title/questions.cpp" line="87"/>
            <source>めぐみ「いい名前だね。ちゃんと覚えておくよ」</source>
            <translation>Megumi: What a nice name. I'll be sure to remember it.</translation>
        </message>
        <message>
            <location filename="../../title/questions.cpp" line="88"/>
            <source>めぐみ「なんだか、なつかしい響きがするね」</source>
            <translation>Megumi: Somehow, it has such a nostalgic ring.</translation>
        </message>
        <message>
            <location filename="../../title/questions.cpp" line="89"/>
            <source>めぐみ「その名前、なくさないようにね」</source>
            <translation>Megumi: Don't ever lose that name, okay?</translation>
        </message>
        <message>
            <location filename="../../title/questions.cpp" line="90"/>
            <source>めぐみ「よろしくね。わたしは、めぐみ」</source>
            <translation>Megumi: Nice to meet you. I'm Megumi.</translation>
        </message>
        <message>
            <location filename="../../title/questions.cpp" line="92"/>
            <source>「%1」・・・・へぇ、%2</source>
            <translation>&quot;%1&quot;... Oh?&#xd;%2</translation>
        </message>
        <message>
            <location filename="../../title/questions.cpp" line="106"/>
            <source>つよさが+3された</source>
            <translation>Soul Sword +3!</translation>
        </message>
        <message>
            <location filename="../../title/questions.cpp" line="110"/>
            <source>最大魂が +10された</source>
            <translation>Max Soul +10!</translation>
        </message>
        <message>
            <location filename="../../title/questions.cpp" line="115"/>
            <source>最大魂が -1された</source>
            <translation>Max Soul -1.</translation>
        </message>
        <message>
            <location filename="../../title/questions.cpp" line="120"/>
            <source>おいおい、冗談はよすんだな</source>
            <translation>Whoa, whoa. Quit kidding around, pal.</translation>
        </message>
        <message>
            <location filename="../../title/questions.cpp" line="123"/>
            <source>【%1】を入手した</source>
            <translation>Got [%1].</translation>
        </message>
        <message>
            <location filename="../../title/questions.cpp" line="129"/>
            <source>アハハ、やっぱりな</source>
            <translation>Ahaha, I knew it.</translation>
        </message>
        <message>
            <location filename="../../title/questions.cpp" line="134"/>
            <source>金貨が足りませんでした</source>
            <translation>Not enough gold.</translation>
        </message>
        <message>
            <location filename="../../title/questions.cpp" line="138"/>
            <source>魂が回復した</source>
            <translation>Your Soul was restored.</translation>
        </message>
        <message>
            <location filename="../../title/questions.cpp" line="142"/>
            <source>死のエネルギーが 30回復した</source>
            <translation>Death Energy restored by 30.</translation>
        </message>
        <message>
            <location filename="../../title/questions.cpp" line="145"/>
            <source>はい、セーブ完了だよ</source>
            <translation>There, all saved.</translation>
        </message>
        <message>
            <location filename="../../title/questions.cpp" line="153"/>
            <source>足りないぞ････ぐわらあああ!!</source>
            <translation>Not enough....GRWAAAAHH!!</translation>
        </message>
        <message>
            <location filename="../../title/questions.cpp" line="158"/>
            <source>ふふん、それでいい････</source>
            <translation>Hmph, that'll do....</translation>
        </message>
        <message>
            <location filename="../../title/questions.cpp" line="161"/>
            <source>ありがと....%1クン....</source>
            <translation>Thank you....%1....</translation>
        </message>
        <message>
            <location filename="../../title/questions.cpp" line="179"/>
            <source>「そっか」</source>
            <translation>&quot;Suit yourself, then.&quot;</translation>
        </message>
        <message>
            <location filename="../../title/questions.cpp" line="182"/>
            <source>「あっそう」</source>
            <translation>&quot;Hmph. Fine, then.&quot;</translation>
        </message>
        <message>
            <location filename="../../title/questions.cpp" line="187"/>
            <source>「おまえは死者としてふさわしくないようだ」</source>
            <translation>&quot;Thou art not fit to be one of the dead, it seems.&quot;</translation>
        </message>
        <message>
            <location filename="../../title/questions.cpp" line="190"/>
            <source>オーケイそーゆー日もあるさ</source>
            <translation>Okay! Some days are just like that.</translation>
        </message>
        <message>
            <location filename="../../title/questions.cpp" line="193"/>
            <source>・・・・（泣いている）</source>
            <translation>....(crying)</translation>
        </message>
        <message>
            <location filename="../../title/questions.cpp" line="200"/>
            <source>あれ、大丈夫？これを上げる</source>
            <translation>Huh, are you okay? Here, take this.</translation>
        </message>
        <message>
            <location filename="../../title/questions.cpp" line="202"/>
            <location filename="../../title/questions.cpp" line="216"/>
            <source>死のエネルギーが 10回復した</source>
            <translation>Death Energy restored by 10.</translation>
        </message>
        <message>
            <location filename="../../title/questions.cpp" line="203"/>
            <source>気をつけてね</source>
            <translation>Take care.</translation>
        </message>
        <message>
            <location filename="../../title/questions.cpp" line="206"/>
            <source>オレ様を甘くみた罰を受けるがいい････!!</source>
            <translation>You'll pay for taking me lightly....!!</translation>
        </message>
        <message>
            <location filename="../../title/questions.cpp" line="210"/>
            <source>....%1クン、行かないで!!</source>
            <translation>....%1, don't go!!</translation>
        </message>
        <message>
            <location filename="../../title/questions.cpp" line="214"/>
            <source>大丈夫？これを上げる</source>
            <translation>You okay? Here, take this.</translation>
        </message>
        <message>
            <location filename="../../title/ranking_reset.cpp" line="13"/>
            <source>ランキングを初期化するよ？いいの？</source>
            <translation>Reset the ranking? Are you sure?</translation>
        </message>
        <message>
            <location filename="../../title/ranking_reset.cpp" line="23"/>
            <source>クロイツ</source>
            <translation>Kreuz</translation>
        </message>
        <message>
            <location filename="../../title/ranking_reset.cpp" line="23"/>
            <source>夜子</source>
            <translation>Yoko</translation>
        </message>
        <message>
            <location filename="../../title/ranking_reset.cpp" line="23"/>
            <source>ガイガル</source>
            <translation>Gaigar</translation>
        </message>
        <message>
            <location filename="../../title/ranking_reset.cpp" line="23"/>
            <source>エグゼ</source>
            <translation>Exe</translation>
        </message>
        <message>
            <location filename="../../title/ranking_reset.cpp" line="24"/>
            <source>シグマ</source>
            <translation>Sigma</translation>
        </message>
        <message>
            <location filename="../../title/ranking_reset.cpp" line="24"/>
            <source>フーガ</source>
            <translation>Fugue</translation>
        </message>
        <message>
            <location filename="../../title/ranking_reset.cpp" line="24"/>
            <source>デス</source>
            <translation>Death</translation>
        </message>
        <message>
            <location filename="../../title/ranking_reset.cpp" line="24"/>
            <source>天野めぐみ</source>
            <translation>Megumi Amano</translation>
        </message>
        <message>
            <location filename="../../title/ranking_reset.cpp" line="25"/>
            <source>クグワ</source>
            <translation>Kuguwa</translation>
        </message>
        <message>
            <location filename="../../title/ranking_reset.cpp" line="25"/>
            <source>？</source>
            <translation>?</translation>
        </message>
        <message>
            <location filename="../../title/ranking_reset.cpp" line="33"/>
            <source>ランキングを初期化してしまったよ</source>
            <translation>The ranking has been reset.</translation>
        </message>
        <message>
            <location filename="../../title/title_screen.cpp" line="31"/>
            <source>　ルヘ</source>
            <translation>     ruhe</translation>
        </message>
        <message>
            <location filename="../../title/title_screen.cpp" line="32"/>
            <source>ミ　ヘ</source>
            <translation>Mi     he</translation>
        </message>
        <message>
            <location filename="../../title/title_screen.cpp" line="33"/>
            <source>ミル　</source>
            <translation>Miru</translation>
        </message>
        <message>
            <location filename="../../title/title_screen.cpp" line="38"/>
            <source>//ルヘ</source>
            <translation>//ruhe</translation>
        </message>
        <message>
            <location filename="../../title/title_screen.cpp" line="39"/>
            <source>ミ　//</source>
            <translation>Mi //</translation>
        </message>
        <message>
            <location filename="../../title/title_screen.cpp" line="40"/>
            <source>　　　</source>
            <translation> </translation>
        </message>
        <message>
            <location filename="../../title/title_screen.cpp" line="41"/>
            <source>　ル　</source>
            <translation>     ru</translation>
        </message>
        <message>
            <location filename="../../title/title_screen.cpp" line="42"/>
            <source>■■■</source>
            <translation>■■■</translation>
        </message>
        <message>
            <location filename="../../title/title_screen.cpp" line="53"/>
            <source>　　るも　</source>
            <translation>      rumo</translation>
        </message>
        <message>
            <location filename="../../title/title_screen.cpp" line="54"/>
            <source>く　　　　</source>
            <translation>K</translation>
        </message>
        <message>
            <location filename="../../title/title_screen.cpp" line="55"/>
            <source>く　る　す</source>
            <translation>K    ru    su</translation>
        </message>
        <message>
            <location filename="../../title/title_screen.cpp" line="56"/>
            <source>　　　　　</source>
            <translation> </translation>
        </message>
        <message>
            <location filename="../../title/title_screen.cpp" line="57"/>
            <source>　----も　</source>
            <translation>  ----mo</translation>
        </message>
        <message>
            <location filename="../../title/title_screen.cpp" line="58"/>
            <source>----る----</source>
            <translation>----ru----</translation>
        </message>
        <message>
            <location filename="../../title/title_screen.cpp" line="59"/>
            <source>..``　..--</source>
            <translation>..``  ..--</translation>
        </message>
        <message>
            <location filename="../../title/title_screen.cpp" line="60"/>
            <source>````るもす</source>
            <translation>````rumosu</translation>
        </message>
        <message>
            <location filename="../../title/title_screen.cpp" line="62"/>
            <source>く``````す</source>
            <translation>K``````su</translation>
        </message>
        <message>
            <location filename="../../title/title_screen.cpp" line="92"/>
            <source>????「……やあ、目が覚めたかい？ようこそ。きみは、死んだんだよ」</source>
            <translation>????: ...Hey. You're awake? Welcome. You died, you know.</translation>
        </message>
        <message>
            <location filename="../../title/title_screen.cpp" line="93"/>
            <source>「ここは死者の世界。命を終えた魂が、最後にたどりつく場所さ」</source>
            <translation>&quot;This is the world of the dead. The last place a soul comes to, once its life is over.&quot;</translation>
        </message>
        <message>
            <location filename="../../title/title_screen.cpp" line="94"/>
            <source>「きみの体も、もうこっちに現れている。魂の形をしてね」</source>
            <translation>&quot;Your body is here already, too. In the shape of a soul.&quot;</translation>
        </message>
        <message>
            <location filename="../../title/title_screen.cpp" line="95"/>
            <source>「でも気をつけて。ここの決まりは、生きていた世界とはまるで違うんだ」</source>
            <translation>&quot;But be careful. The rules here are nothing like the world you lived in.&quot;</translation>
        </message>
        <message>
            <location filename="../../title/title_screen.cpp" line="96"/>
            <source>「いちばん大事なことを言うよ。自分を、見失ってはいけない」</source>
            <translation>&quot;Here is the most important thing. Don't lose sight of yourself.&quot;</translation>
        </message>
        <message>
            <location filename="../../title/title_screen.cpp" line="97"/>
            <source>「ここでは、たくさんの者が自分の魂をなくしていくんだ。……本当に、たくさん」</source>
            <translation>&quot;So many here lose their own souls. ...So very many.&quot;</translation>
        </message>
        <message>
            <location filename="../../title/title_screen.cpp" line="98"/>
            <source>「魂の強さは『個体スコア』ではかられる。高いほど、強い魂ってことさ」</source>
            <translation>&quot;A soul's strength is measured by its [Score]. The higher it is, the stronger the soul.&quot;</translation>
        </message>
        <message>
            <location filename="../../title/title_screen.cpp" line="99"/>
            <source>「そして魂は『死のエネルギー』によって存在している。なくなれば、それまでだよ」</source>
            <translation>&quot;And a soul exists by its [Death Energy]. When that runs out, it's the end.&quot;</translation>
        </message>
        <message>
            <location filename="../../title/title_screen.cpp" line="100"/>
            <source>「死のエネルギーを失わずに、個体スコアを上げること。それがきみの最初のつとめ」</source>
            <translation>&quot;Raise your Score without losing your Death Energy. That is your first task.&quot;</translation>
        </message>
        <message>
            <location filename="../../title/title_screen.cpp" line="101"/>
            <source>「この世界には、まだ誰も解いたことのない謎がある」</source>
            <translation>&quot;This world holds a mystery no one has ever solved.&quot;</translation>
        </message>
        <message>
            <location filename="../../title/title_screen.cpp" line="102"/>
            <source>「きみに、その謎を解いてほしいんだ。……待ってるよ」</source>
            <translation>&quot;I want you to solve it. ...I'll be waiting.&quot;</translation>
        </message>
        <message>
            <location filename="../../title/title_screen.cpp" line="135"/>
            <source>すべてを初期化するよ？いいの？</source>
            <translation>Reset everything? Are you sure?</translation>
        </message>
        <message>
            <location filename="../../title/title_screen.cpp" line="150"/>
            <source>初期化してしまったよ</source>
            <translation>Everything has been reset.</translation>
        </message>
        <message>
            <location filename="../../title/title_screen.cpp" line="241"/>
            <source>だれ？</source>
            <translation>Who's there?</translation>
        </message>
        <message>
            <location filename="../../title/title_screen.cpp" line="241"/>
            <source>ＳＡＤ</source>
            <translation>SAD</translation>
        </message>
        <message>
            <location filename="../../title/title_screen.cpp" line="241"/>
            <source>みえる？</source>
            <translation>Can you see me?</translation>
        </message>
        <message>
            <location filename="../../title/title_screen.cpp" line="241"/>
            <source>呪い</source>
            <translation>A curse</translation>
        </message>
        <message>
            <location filename="../../title/title_screen.cpp" line="241"/>
            <source>霊が....</source>
            <translation>The spirits....</translation>
        </message>
        <message>
            <location filename="../../title/title_screen.cpp" line="241"/>
            <source>待ってるよ</source>
            <translation>I'll be waiting</translation>
        </message>
        <message>
            <location filename="../../title/title_screen.cpp" line="242"/>
            <source>気をつけて....</source>
            <translation>Be careful....</translation>
        </message>
        <message>
            <location filename="../../title/title_screen.cpp" line="242"/>
            <source>焦っちゃいけない</source>
            <translation>Don't rush</translation>
        </message>
        <message>
            <location filename="../../title/title_screen.cpp" line="242"/>
            <source>自分の魂の声を....</source>
            <translation>Your own soul's voice....</translation>
        </message>
        <message>
            <location filename="../../title/title_screen.cpp" line="242"/>
            <source>君は１つだ</source>
            <translation>You are one</translation>
        </message>
        <message>
            <location filename="../../title/title_screen.cpp" line="242"/>
            <source>共に進もう</source>
            <translation>Let's go on together</translation>
        </message>
        <message>
            <location filename="../../title/title_screen.cpp" line="242"/>
            <source>見つかった？</source>
            <translation>Found it?</translation>
        </message>
        <message>
            <location filename="../../explore/pickups.cpp" line="21"/>
            <source>金貨は手に取る前に砕けてしまった....</source>
            <translation>The coin crumbled before you got it....</translation>
        </message>
        <message>
            <location filename="../../explore/pickups.cpp" line="26"/>
            <source>金貨：%1枚を見つけた</source>
            <translation>Found %1 gold</translation>
        </message>
        <message>
            <location filename="../../explore/pickups.cpp" line="35"/>
            <source>刻印を焼却した 金貨+1</source>
            <translation>Burned away the seal mark. Gold +1</translation>
        </message>
        <message>
            <location filename="../../explore/pickups.cpp" line="45"/>
            <source>焼けどした</source>
            <translation>You got burned</translation>
        </message>
        <message>
            <location filename="../../explore/pickups.cpp" line="52"/>
            <source>刻印を解いた 金貨+1</source>
            <translation>Broke the seal mark. Gold +1</translation>
        </message>
        <message>
            <location filename="../../explore/pickups.cpp" line="55"/>
            <source>刻印を解いた 封印金貨+1</source>
            <translation>Broke the seal mark. Sealed Coin +1</translation>
        </message>
        <message>
            <location filename="../../explore/pickups.cpp" line="67"/>
            <source>死のエネルギーが %1回復した!!</source>
            <translation>Recovered %1 Death Energy!!</translation>
        </message>
        <message>
            <location filename="../../explore/walking.cpp" line="53"/>
            <source>穴に落ちてしまった!! 死のエネルギーが 10減少した</source>
            <translation>You fell in a hole!! Lost 10 Death Energy</translation>
        </message>
        <message>
            <location filename="../../explore/walking.cpp" line="56"/>
            <source>穴に落ちてしまった!! 魂が 3ダメージを負った</source>
            <translation>You fell in a hole!! Soul took 3 damage</translation>
        </message>
        <message>
            <location filename="../../explore/walking.cpp" line="58"/>
            <source>咄嗟に穴を避けた!!</source>
            <translation>You dodged the hole just in time!!</translation>
        </message>
        <message>
            <location filename="../../explore/walking.cpp" line="61"/>
            <source>穴に落ちてしまった!! 魂の鎧が 1減ってしまった</source>
            <translation>You fell in a hole!! Soul Armor -1</translation>
        </message>
        <message>
            <location filename="../../explore/walking.cpp" line="65"/>
            <source>穴に落ち....ここはどこ!?</source>
            <translation>Fell into a hole.... Where am I!?</translation>
        </message>
        <message>
            <location filename="../../explore/walking.cpp" line="75"/>
            <source>石に足をぶつけた!! 死のエネルギーが 10減少した</source>
            <translation>Stubbed your toe on a stone!! Lost 10 Death Energy</translation>
        </message>
        <message>
            <location filename="../../explore/walking.cpp" line="80"/>
            <source>躓いて転んでしまった!! 魂が 2ダメージを負った</source>
            <translation>You tripped and fell!! Soul took 2 damage</translation>
        </message>
        <message>
            <location filename="../../explore/walking.cpp" line="85"/>
            <source>転んで足を骨折してしまった!! 最大魂が 1減少した</source>
            <translation>You fell and broke your leg!! Max Soul -1</translation>
        </message>
        <message>
            <location filename="../../explore/walking.cpp" line="95"/>
            <source>%1ダメージ受けた</source>
            <translation>Took %1 damage</translation>
        </message>
        <message>
            <location filename="../../explore/walking.cpp" line="116"/>
            <source>魔界の手&#xd;刻印の裂け目から伸びる、ひとつ目の腕。こちら側の魂のぬくもりを、ずっと欲しがっている</source>
            <translation>Demon Realm Hand&#xd;A one-eyed arm reaching out of a seal mark's rift, forever craving the warmth of souls on this side.</translation>
        </message>
        <message>
            <location filename="../../explore/walking.cpp" line="117"/>
            <source>魔界との接点が開いた</source>
            <translation>A door to the Demon Realm opened</translation>
        </message>
        <message>
            <location filename="../../explore/walking.cpp" line="217"/>
            <source>木が邪魔で進めない!!</source>
            <translation>A tree blocks the way!!</translation>
        </message>
        <message>
            <location filename="../../explore/walking.cpp" line="219"/>
            <source>玉が邪魔で進めない!!</source>
            <translation>An orb blocks the way!!</translation>
        </message>
        <message>
            <location filename="../../explore/walking.cpp" line="225"/>
            <source>骸が邪魔で進めない!!</source>
            <translation>Remains block the way!!</translation>
        </message>
        <message>
            <location filename="../../explore/walking.cpp" line="241"/>
            <source>ジャンプ！</source>
            <translation>Jump!</translation>
        </message>
        <message>
            <location filename="../../explore/walking.cpp" line="245"/>
            <source>転んでしまった....魂 -1</source>
            <translation>You fell over.... Soul -1</translation>
        </message>
        <message>
            <location filename="../../explore/world_map.cpp" line="33"/>
            <source>%1,要:死のEnrgy %2</source>
            <translation>%1, costs %2∽</translation>
        </message>
        <message>
            <location filename="../../explore/world_map.cpp" line="42"/>
            <source>貴方のカルマではこのエリアに入れないようだ</source>
            <translation>Your Karma won't let you into this area.</translation>
        </message>
        <message>
            <location filename="../../explore/world_map.cpp" line="60"/>
            <source>どんなに門を叩こうとも、ビクともせず入れなかった</source>
            <translation>Pound on the gate as you might, it won't budge.</translation>
        </message>
        <message>
            <location filename="../../explore/world_map.cpp" line="68"/>
            <source>門番「……通行証か。たしかに審判の印だ。一枚、預かっておく」</source>
            <translation>Gatekeeper: ...A pass. Judgement's seal, right enough. I'll keep one.</translation>
        </message>
        <message>
            <location filename="../../explore/world_map.cpp" line="70"/>
            <source>門番「この先は、見覚えのある顔ばかりだ。皆、おまえのことを覚えている。……驚くなよ」</source>
            <translation>Gatekeeper: Beyond here, every face is one you know. They all remember you. ...Don't be surprised.</translation>
        </message>
        <message>
            <location filename="../../explore/world_map.cpp" line="147"/>
            <source>番人「おや、穴あき銭じゃないか。ひっひ……この穴から覗くとな、昔の冥界が見えるんじゃよ」</source>
            <translation>Keeper: Oho, a Holed Coin, is it? Hee hee... Peek through the hole and you'll see the Underworld of old.</translation>
        </message>
        <message>
            <location filename="../../explore/world_map.cpp" line="149"/>
            <source>番人「よかろう、通りな。奥の店じゃ封印金貨しか通じんからね」&#xd;&#xd;%1 -1</source>
            <translation>Keeper: Very well, through you go. The shop inside takes only Sealed Coins, mind.&#xd;&#xd;%1 -1</translation>
        </message>
        <message>
            <location filename="../../explore/world_map.cpp" line="182"/>
            <location filename="../../items/inventory.cpp" line="138"/>
            <source>セーブしました</source>
            <translation>Saved.</translation>
        </message>
        <message>
            <location filename="../../explore/world_map.cpp" line="186"/>
            <source>死のエネルギー 50∽を支払う事でセーブできる</source>
            <translation>Pay 50∽ Death Energy to save</translation>
        </message>
        <message>
            <location filename="../../explore/world_map.cpp" line="191"/>
            <source>セーブしまし</source>
            <translation>Saved</translation>
        </message>
        <message>
            <location filename="../../explore/world_map.cpp" line="203"/>
            <source>死のエネルギーが 20増えた</source>
            <translation>Death Energy +20</translation>
        </message>
        <message>
            <location filename="../../explore/world_map.cpp" line="207"/>
            <source>死のエネルギー 20∽を 金貨 5枚で購入する</source>
            <translation>Buy 20∽ Death Energy for 5 gold</translation>
        </message>
        <message>
            <location filename="../../story/cast.cpp" line="3"/>
            <source>天野めぐみ。審判の門で、新しく来た魂に名前を聞いてまわる少女</source>
            <translation>Megumi Amano. A girl at Doomgate who goes around asking each new soul its name.</translation>
        </message>
        <message>
            <location filename="../../story/cast.cpp" line="4"/>
            <source>ナグク。いたずら好きの少年。門のまわりで、なぜかいつも逃げ腰</source>
            <translation>Naguku. A boy who loves pranks. Hangs around the gate, for some reason always ready to run.</translation>
        </message>
        <message>
            <location filename="../../story/cast.cpp" line="5"/>
            <source>ガイガル。囚人番号666。冥界の底の牢から逃げ出した脱獄囚</source>
            <translation>Gaigar. Prisoner No.666. A convict who broke out of his cell in the Abyss.</translation>
        </message>
        <message>
            <location filename="../../story/cast.cpp" line="6"/>
            <source>ヒロコ。機械の姿をした少女。生きていた頃の自分を、そのまま形にしたらしい</source>
            <translation>Hiroko. A girl shaped like a machine. It seems to be her living self, given form just as it was.</translation>
        </message>
        <message>
            <location filename="../../story/cast.cpp" line="7"/>
            <source>ペド。体のどこにも傷はないのに、ずっと痛みに震えている少女</source>
            <translation>Petra. A girl with no wound anywhere on her, who never stops trembling in pain.</translation>
        </message>
        <message>
            <location filename="../../story/cast.cpp" line="8"/>
            <source>魔女。この世界に誰よりも長くいる。カルマの話が好きで、少し意地悪</source>
            <translation>The Witch. She has been in this world longer than anyone. Loves talking Karma, and is a little mean.</translation>
        </message>
        <message>
            <location filename="../../story/cast.cpp" line="9"/>
            <source>霊人。斬り合うことしか覚えていない剣の霊。話はほとんど通じない</source>
            <translation>Wraith. A sword ghost that remembers nothing but crossing blades. Words hardly reach it.</translation>
        </message>
        <message>
            <location filename="../../story/cast.cpp" line="10"/>
            <source>トト。審判の門の裁き手。心臓を天秤に載せ、真理の羽根と量る</source>
            <translation>Toto. Judge of Doomgate. Lays each heart on the scales against the Feather of Truth.</translation>
        </message>
        <message>
            <location filename="../../story/cast.cpp" line="11"/>
            <source>レッドソード。赤い剣の剣豪。生きていた頃、一度も負けなかったという</source>
            <translation>Red Sword. A master of the red blade. They say he never once lost while he lived.</translation>
        </message>
        <message>
            <location filename="../../story/cast.cpp" line="12"/>
            <source>ヒトダマ。自分を失くした魂のなれの果て。名前も形も、もうない</source>
            <translation>Wisp. All that is left of a soul that lost itself. It has no name and no shape anymore.</translation>
        </message>
        <message>
            <location filename="../../story/cast.cpp" line="13"/>
            <source>ジユウ。試練城の見習い。木刀の素振りを欠かさない。手先が器用</source>
            <translation>Jiyu. A trainee at Trial Castle. Never skips practice swings with a wooden sword. Nimble-fingered.</translation>
        </message>
        <message>
            <location filename="../../story/cast.cpp" line="14"/>
            <source>クグワ。ひとつの想いに喰われた魂。その想いの名で呼ばれる怨霊</source>
            <translation>Kuguwa. A soul devoured by a single feeling. A vengeful spirit called by that feeling's name.</translation>
        </message>
        <message>
            <location filename="../../story/cast.cpp" line="15"/>
            <source>夜子。魂の体を、着替えるように取り換える少女。今日の体も借りもの</source>
            <translation>Yoko. A girl who changes soul bodies the way one changes clothes. Today's body is borrowed too.</translation>
        </message>
        <message>
            <location filename="../../story/cast.cpp" line="16"/>
            <source>シグマ。冥界を渡り歩く行商人。品物の出どころは聞かない約束</source>
            <translation>Sigma. A peddler who roams the Underworld. The deal is: nobody asks where his wares come from.</translation>
        </message>
        <message>
            <location filename="../../story/cast.cpp" line="17"/>
            <source>エイダ。エメラルダ門の前で遊ぶ小さな女の子。ぬいぐるみが友達</source>
            <translation>Ada. A little girl playing in front of Jadegate. Her stuffed toys are her friends.</translation>
        </message>
        <message>
            <location filename="../../story/cast.cpp" line="18"/>
            <source>エグゼ。槍を持つ黒い騎士。かつて管理者達の命で、魂を底へ沈めていた</source>
            <translation>Exe. A black knight with a spear. Once, at the Overseers' command, he sank souls to the bottom.</translation>
        </message>
        <message>
            <location filename="../../story/cast.cpp" line="19"/>
            <source>悪魔。魔王城の蜃気楼に巣くう者。闇に傾いた魂を好んで喰らう</source>
            <translation>Devil. It lurks in Mirage Castle, and loves to devour souls that lean toward darkness.</translation>
        </message>
        <message>
            <location filename="../../story/cast.cpp" line="20"/>
            <source>天使。天界の門柱を舞う者。光に傾いた魂を、天へ連れ去ろうとする</source>
            <translation>Angel. It flies among the gateposts of heaven, and would carry souls that lean toward light up to the sky.</translation>
        </message>
        <message>
            <location filename="../../story/cast.cpp" line="21"/>
            <source>無属性霊体。闇にも光にも傾かない霊。向き合う者の姿を映す</source>
            <translation>Neutral Spirit. A spirit that leans toward neither darkness nor light. It mirrors whoever faces it.</translation>
        </message>
        <message>
            <location filename="../../story/encounters.cpp" line="28"/>
            <source>魂を休めます</source>
            <translation>Rest your Soul</translation>
        </message>
        <message>
            <location filename="../../story/encounters.cpp" line="29"/>
            <source>記録の霊シオリ。迷える魂の今の在り方を、一冊の本に書き留めている</source>
            <translation>Shiori, spirit of records. In a single book she writes down where each lost soul now stands.</translation>
        </message>
        <message>
            <location filename="../../story/encounters.cpp" line="30"/>
            <source>暗黒霊。闇に傾いた魂に引き寄せられる霊。同じ色の魂を喰らって膨らむ</source>
            <translation>Dark Spirit. Drawn to souls that lean toward darkness. It swells by devouring souls of its own color.</translation>
        </message>
        <message>
            <location filename="../../story/encounters.cpp" line="31"/>
            <source>神聖霊。光に傾いた魂を追いかける霊。その輝きを糧に、まばゆく燃える</source>
            <translation>Sacred Spirit. It chases souls that lean toward light, and burns dazzling on their glow.</translation>
        </message>
        <message>
            <location filename="../../story/encounters.cpp" line="39"/>
            <source>スリープスペースだ。休みますか？要：金貨 %1枚</source>
            <translation>A Sleep Space. Rest here? Costs %1 gold</translation>
        </message>
        <message>
            <location filename="../../story/encounters.cpp" line="48"/>
            <source>シオリ「ここまでのきみを、この本に書き留めておく？」</source>
            <translation>Shiori: Shall I write down who you've been so far, in this book?</translation>
        </message>
        <message>
            <location filename="../../story/encounters.cpp" line="62"/>
            <source>暗黒霊「同じにおいがする……おまえの闇、よこせ!!」</source>
            <translation>Dark Spirit: You smell like me... Give me your darkness!!</translation>
        </message>
        <message>
            <location filename="../../story/encounters.cpp" line="67"/>
            <source>神聖霊「まぶしい……その輝き、わたしにちょうだい!!」</source>
            <translation>Sacred Spirit: So bright... Give me that glow!!</translation>
        </message>
        <message>
            <location filename="../../story/encounters.cpp" line="72"/>
            <source>無属性霊体「…………（こちらを映しているだけで、襲ってはこない）」</source>
            <translation>Neutral Spirit: ......(It only mirrors you. It does not attack.)</translation>
        </message>
        <message>
            <location filename="../../story/encounters.cpp" line="82"/>
            <source>ウッサーマの呪い 魂 +1</source>
            <translation>Ussaama's Curse: Soul +1</translation>
        </message>
        <message>
            <location filename="../../story/encounters.cpp" line="86"/>
            <source>ウッサーマの呪い 魂 +5</source>
            <translation>Ussaama's Curse: Soul +5</translation>
        </message>
        <message>
            <location filename="../../story/encounters.cpp" line="90"/>
            <source>ウッサーマの呪い 最大魂 +1</source>
            <translation>Ussaama's Curse: Max Soul +1</translation>
        </message>
        <message>
            <location filename="../../story/encounters.cpp" line="94"/>
            <source>ウッサーマの呪い 魂の剣 +1</source>
            <translation>Ussaama's Curse: Soul Sword +1</translation>
        </message>
        <message>
            <location filename="../../story/encounters.cpp" line="98"/>
            <source>ウッサーマの呪い 魂の鎧 +1</source>
            <translation>Ussaama's Curse: Soul Armor +1</translation>
        </message>
        <message>
            <location filename="../../story/encounters.cpp" line="102"/>
            <source>ウッサーマの呪い 死のエネルギー +10</source>
            <translation>Ussaama's Curse: Death Energy +10</translation>
        </message>
        <message>
            <location filename="../../story/encounters.cpp" line="106"/>
            <source>ウッサーマの呪い 死のエネルギー +20</source>
            <translation>Ussaama's Curse: Death Energy +20</translation>
        </message>
        <message>
            <location filename="../../story/encounters.cpp" line="110"/>
            <location filename="../../story/encounters.cpp" line="114"/>
            <source>ウッサーマの呪い 個体スコアUP</source>
            <translation>Ussaama's Curse: Score UP</translation>
        </message>
        <message>
            <location filename="../../story/encounters.cpp" line="198"/>
            <source>怪我を負った....魂 -1</source>
            <translation>You got hurt.... Soul -1</translation>
        </message>
        <message>
            <location filename="../../story/exe.cpp" line="14"/>
            <source>エグゼ「……ここまで来た魂は久しぶりだ」</source>
            <translation>Exe: ...It's been long since a soul came this far.</translation>
        </message>
        <message>
            <location filename="../../story/exe.cpp" line="15"/>
            <source>エグゼ「俺はエグゼ。かつて、管理者達の執行者だった」</source>
            <translation>Exe: I am Exe. Once, the Overseers' executor.</translation>
        </message>
        <message>
            <location filename="../../story/exe.cpp" line="16"/>
            <source>エグゼ「自分を失くした魂を、底へ沈める。それが俺の仕事だった」</source>
            <translation>Exe: Souls that had lost themselves, I sank to the depths. That was my work.</translation>
        </message>
        <message>
            <location filename="../../story/exe.cpp" line="17"/>
            <source>エグゼ「命令はいつも、扉の奥から紙で届いた。姿を見たことはない」</source>
            <translation>Exe: My orders always came on paper, from behind the door. I never saw a face.</translation>
        </message>
        <message>
            <location filename="../../story/exe.cpp" line="18"/>
            <source>エグゼ「ただの一度もだ。……おかしいと思わないか」</source>
            <translation>Exe: Not once. ...Doesn't that strike you as odd?</translation>
        </message>
        <message>
            <location filename="../../story/exe.cpp" line="19"/>
            <source>エグゼ「沈めた魂の数は、もう覚えていない」</source>
            <translation>Exe: I no longer remember how many souls I sank.</translation>
        </message>
        <message>
            <location filename="../../story/exe.cpp" line="20"/>
            <source>エグゼ「あるとき、沈めた魂が、俺と同じ声で泣いた」</source>
            <translation>Exe: Once, a soul I sank wept with my own voice.</translation>
        </message>
        <message>
            <location filename="../../story/exe.cpp" line="21"/>
            <source>エグゼ「それから、命令の紙を開くのが怖くなった」</source>
            <translation>Exe: After that, I feared to open the orders.</translation>
        </message>
        <message>
            <location filename="../../story/exe.cpp" line="22"/>
            <source>エグゼ「あの字は、どこかで見た字だったんだ」</source>
            <translation>Exe: That handwriting. I had seen it somewhere.</translation>
        </message>
        <message>
            <location filename="../../story/exe.cpp" line="23"/>
            <source>エグゼ「おまえの名を聞かせてくれ。……$、か」</source>
            <translation>Exe: Tell me your name. ...$, then.</translation>
        </message>
        <message>
            <location filename="../../story/exe.cpp" line="24"/>
            <source>エグゼ「名を失くさずにここまで来たなら、扉を開けられるかもしれん」</source>
            <translation>Exe: You came this far without losing your name. You might open the door.</translation>
        </message>
        <message>
            <location filename="../../story/exe.cpp" line="25"/>
            <source>エグゼ「俺には開けられなかった。扉の前に立つと、足がすくむ」</source>
            <translation>Exe: I couldn't. Before that door, my legs fail me.</translation>
        </message>
        <message>
            <location filename="../../story/exe.cpp" line="26"/>
            <source>エグゼ「奥にいるのが誰なのか、知るのが怖いんだ」</source>
            <translation>Exe: I'm afraid to learn who waits behind it.</translation>
        </message>
        <message>
            <location filename="../../story/exe.cpp" line="27"/>
            <source>エグゼ「決めたぞ。おまえに、この槍を向ける」</source>
            <translation>Exe: I've decided. I will turn this spear on you.</translation>
        </message>
        <message>
            <location filename="../../story/exe.cpp" line="28"/>
            <source>エグゼ「俺ひとり越えられぬ者に、あの扉は開けられん」</source>
            <translation>Exe: One who can't get past me will never open that door.</translation>
        </message>
        <message>
            <location filename="../../story/exe.cpp" line="29"/>
            <source>エグゼ「次に会ったら、本気で来い」</source>
            <translation>Exe: Next time we meet, come at me with everything.</translation>
        </message>
        <message>
            <location filename="../../story/exe.cpp" line="30"/>
            <source>エグゼ「来たか、$」</source>
            <translation>Exe: So you've come, $.</translation>
        </message>
        <message>
            <location filename="../../story/exe.cpp" line="31"/>
            <source>エグゼ「扉の奥の答えを、俺の代わりに見てきてくれ」</source>
            <translation>Exe: Go see the answer behind the door. For me.</translation>
        </message>
        <message>
            <location filename="../../story/exe.cpp" line="32"/>
            <source>エグゼ「……ただし、俺を倒してからだ!!」</source>
            <translation>Exe: ...But first, you go through me!!</translation>
        </message>
        <message>
            <location filename="../../story/exe.cpp" line="53"/>
            <source>エグゼ「門の奥か。俺が沈めた魂たちも、ここを通れたのだろうか」</source>
            <translation>Exe: Beyond the gate... Did the souls I sank ever make it this far?</translation>
        </message>
        <message>
            <location filename="../../story/exe.cpp" line="61"/>
            <source>エグゼ「$……か。こんな底まで落ちてくるとはな」</source>
            <translation>Exe: $... So you fell all the way down here.</translation>
        </message>
        <message>
            <location filename="../../story/exe.cpp" line="62"/>
            <source>エグゼ「ここは冥界の底。俺が沈めた魂たちの、行き着く場所だ」</source>
            <translation>Exe: This is the Abyss. Where every soul I sank ends up.</translation>
        </message>
        <message>
            <location filename="../../story/exe.cpp" line="63"/>
            <source>エグゼ「詫びに来た。……詫びる相手の名も、わからんがな」</source>
            <translation>Exe: I came to make amends. ...Though I don't even know their names.</translation>
        </message>
        <message>
            <location filename="../../story/exe.cpp" line="64"/>
            <source>エグゼ「ここで、沈めた魂たちの声を聞いて回った」</source>
            <translation>Exe: I've walked down here, listening to the souls I sank.</translation>
        </message>
        <message>
            <location filename="../../story/exe.cpp" line="65"/>
            <source>エグゼ「みんな、同じことを言っていた。『待ってるよ』と」</source>
            <translation>Exe: They all said the same thing. &quot;I'm waiting for you.&quot;</translation>
        </message>
        <message>
            <location filename="../../story/exe.cpp" line="66"/>
            <source>エグゼ「この世界に来たとき、俺も同じ声を聞いた」</source>
            <translation>Exe: When I came to this world, I heard that same voice.</translation>
        </message>
        <message>
            <location filename="../../story/exe.cpp" line="67"/>
            <source>エグゼ「あれは、管理者達の声ではなかった」</source>
            <translation>Exe: It was not the Overseers' voice.</translation>
        </message>
        <message>
            <location filename="../../story/exe.cpp" line="68"/>
            <source>エグゼ「命令の紙の字もそうだ。……あれは、俺自身の字だった」</source>
            <translation>Exe: Nor was the writing on the orders theirs. ...It was my own hand.</translation>
        </message>
        <message>
            <location filename="../../story/exe.cpp" line="69"/>
            <source>エグゼ「答えは扉の奥にある。俺はもう、怖くない」</source>
            <translation>Exe: The answer lies behind the door. I'm not afraid anymore.</translation>
        </message>
        <message>
            <location filename="../../story/exe.cpp" line="70"/>
            <source>エグゼ「行け。俺はもう少し、ここで詫びていく」</source>
            <translation>Exe: Go. I'll stay and make amends a while longer.</translation>
        </message>
        <message>
            <location filename="../../story/gate_folk.cpp" line="21"/>
            <source>めぐみ「$クン。門を通るなら、トトさんに心臓を量ってもらってね」</source>
            <translation>Megumi: $, if you're going through the gate, have Toto weigh your heart, okay?</translation>
        </message>
        <message>
            <location filename="../../story/gate_folk.cpp" line="24"/>
            <source>めぐみ「こんにちは。わたし、天野めぐみ。……ねえ、きみの名前は？」</source>
            <translation>Megumi: Hello. I'm Megumi Amano. ...Say, what's your name?</translation>
        </message>
        <message>
            <location filename="../../story/gate_folk.cpp" line="34"/>
            <source>めぐみ「あ……来てくれたんだ。ここの紫の草、きれいでしょう」</source>
            <translation>Megumi: Oh... you came. The violet grass here is pretty, isn't it?</translation>
        </message>
        <message>
            <location filename="../../story/gate_folk.cpp" line="35"/>
            <source>めぐみ「門の案内、少しお休みしてるの。ちょっと、疲れちゃって」</source>
            <translation>Megumi: I'm taking a little break from guiding at the gate. I got a bit tired.</translation>
        </message>
        <message>
            <location filename="../../story/gate_folk.cpp" line="36"/>
            <source>めぐみ「ねえ、$クン。わたしの顔、ちゃんと見えてる？」</source>
            <translation>Megumi: Hey, $. Can you see my face clearly?</translation>
        </message>
        <message>
            <location filename="../../story/gate_folk.cpp" line="37"/>
            <source>めぐみ「最近ね、鏡を見てもぼんやりするの。自分の顔なのにね」</source>
            <translation>Megumi: Lately it looks blurry, even in the mirror. My own face.</translation>
        </message>
        <message>
            <location filename="../../story/gate_folk.cpp" line="38"/>
            <source>めぐみ「ここに長くいるとね、自分のことから忘れていくんだって」</source>
            <translation>Megumi: They say if you stay here long, the first thing you forget is yourself.</translation>
        </message>
        <message>
            <location filename="../../story/gate_folk.cpp" line="39"/>
            <source>めぐみ「$クン……もう少しだけ、そばにいてくれる？」</source>
            <translation>Megumi: $... will you stay with me, just a little longer?</translation>
        </message>
        <message>
            <location filename="../../story/gate_folk.cpp" line="40"/>
            <source>めぐみ「思い出したの。ここに来たとき聞いた声。『待ってるよ』って」</source>
            <translation>Megumi: I remembered. The voice I heard when I came here. &quot;I'll be waiting.&quot;</translation>
        </message>
        <message>
            <location filename="../../story/gate_folk.cpp" line="41"/>
            <source>めぐみ「あれ、わたしの声だった。生きてた頃の、わたしの声」</source>
            <translation>Megumi: That was my voice. My own voice, from when I was alive.</translation>
        </message>
        <message>
            <location filename="../../story/gate_folk.cpp" line="42"/>
            <source>めぐみ「誰かを待ってたんじゃない。わたしが、わたしを待たせてたの」</source>
            <translation>Megumi: I wasn't waiting for someone. I was the one keeping me waiting.</translation>
        </message>
        <message>
            <location filename="../../story/gate_folk.cpp" line="43"/>
            <source>めぐみ「だから、行くね。わたしを迎えに」</source>
            <translation>Megumi: So I'm going now. To go and meet myself.</translation>
        </message>
        <message>
            <location filename="../../story/gate_folk.cpp" line="44"/>
            <source>めぐみ「きみも、きっと見つかるよ。名前を、なくさないでね」</source>
            <translation>Megumi: You'll find yours too, I'm sure. Don't lose your name, okay?</translation>
        </message>
        <message>
            <location filename="../../story/gate_folk.cpp" line="45"/>
            <source>めぐみ「……お別れしたのに、道に迷っちゃった。えへへ、ないしょね」</source>
            <translation>Megumi: ...We said goodbye, and now I've lost my way. Hehe, our secret.</translation>
        </message>
        <message>
            <location filename="../../story/gate_folk.cpp" line="63"/>
            <source>めぐみ「（どこからか、めぐみの声がする）こっちだよ。迷わないでね」</source>
            <translation>Megumi: (Megumi's voice comes from somewhere) This way. Don't get lost, okay?</translation>
        </message>
        <message>
            <location filename="../../story/gate_folk.cpp" line="70"/>
            <source>ナグク「へへっ、新入り？トトの天秤には近づかない方がいいぜ」</source>
            <translation>Naguku: Heh, newbie? Better keep away from Toto's scales.</translation>
        </message>
        <message>
            <location filename="../../story/gate_folk.cpp" line="78"/>
            <source>ナグク「げっ、見つかった。……なんだよ、門に戻れって？」</source>
            <translation>Naguku: Ugh, you found me. ...What, you want me back at the gate?</translation>
        </message>
        <message>
            <location filename="../../story/gate_folk.cpp" line="79"/>
            <source>ナグク「やだね。トトの天秤なんか、オレが載ったら絶対沈むもん」</source>
            <translation>Naguku: No way. If I got on Toto's scales, I'd sink for sure.</translation>
        </message>
        <message>
            <location filename="../../story/gate_folk.cpp" line="80"/>
            <source>ナグク「母ちゃんの大事な茶碗、割ったのを黙ってたんだ。死ぬまで」</source>
            <translation>Naguku: I broke my mom's favorite bowl and never told her. Right up till I died.</translation>
        </message>
        <message>
            <location filename="../../story/gate_folk.cpp" line="81"/>
            <source>ナグク「謝ろうと思ってたのに、その前に、こっちに来ちまった」</source>
            <translation>Naguku: I was gonna say sorry, but I ended up over here first.</translation>
        </message>
        <message>
            <location filename="../../story/gate_folk.cpp" line="82"/>
            <source>ナグク「……なあ。今からでも謝ったら、軽くなるかな」</source>
            <translation>Naguku: ...Hey. If I said sorry now, d'you think I'd get lighter?</translation>
        </message>
        <message>
            <location filename="../../story/gate_folk.cpp" line="83"/>
            <source>ナグク「まだ考え中！……でも、この草、あの茶碗と同じ色なんだ」</source>
            <translation>Naguku: Still thinking! ...But this grass is the same color as that bowl.</translation>
        </message>
        <message>
            <location filename="../../story/gate_folk.cpp" line="84"/>
            <source>ナグク「だからここにいると、ちょっとだけ謝ってる気がするんだ」</source>
            <translation>Naguku: So hanging out here, it kinda feels like I'm saying sorry. A little.</translation>
        </message>
        <message>
            <location filename="../../story/gate_folk.cpp" line="93"/>
            <source>ナグク「へへっ、天秤、沈まなかったぜ!!……ちょっと傾いたけどな」</source>
            <translation>Naguku: Heh, I didn't sink on the scales!! ...Tipped 'em a bit, though.</translation>
        </message>
        <message>
            <location filename="../../story/gate_folk.cpp" line="100"/>
            <source>ガイガル「おっと、いい魂のにおいがするじゃねえか」</source>
            <translation>Gaigar: Well now, smells like a tasty soul.</translation>
        </message>
        <message>
            <location filename="../../story/gate_folk.cpp" line="101"/>
            <source>ガイガル「脱獄の土産だ。ちょいと分けてもらうぜぇ!!」</source>
            <translation>Gaigar: A little jailbreak souvenir. Gimme a piece of ya!!</translation>
        </message>
        <message>
            <location filename="../../story/gate_folk.cpp" line="110"/>
            <source>ガイガル「……なんだ、おまえか。今日はやらねえよ」</source>
            <translation>Gaigar: ...Oh, it's you. Not today.</translation>
        </message>
        <message>
            <location filename="../../story/gate_folk.cpp" line="111"/>
            <source>ガイガル「この原っぱにいるとな、牢の壁の色を忘れられるんだ」</source>
            <translation>Gaigar: Out in this field, I can forget the color of my cell walls.</translation>
        </message>
        <message>
            <location filename="../../story/gate_folk.cpp" line="118"/>
            <source>ガイガル「門の奥でやり直せるだと？嘘っぱちだ!!八つ当たりさせろ!!」</source>
            <translation>Gaigar: A fresh start beyond the gate? Lies!! I need somethin' to hit!!</translation>
        </message>
        <message>
            <location filename="../../story/gate_folk.cpp" line="125"/>
            <source>ヒロコ「ピピ……こんにちは。ワタシ、ここでは、こういう形なの」</source>
            <translation>Hiroko: Beep... Hello. Here, I am this shape.</translation>
        </message>
        <message>
            <location filename="../../story/gate_folk.cpp" line="132"/>
            <source>ヒロコ「ピ……最近、油の代わりにお茶を飲んでみてるの。あったかい」</source>
            <translation>Hiroko: Beep... Recent test: tea instead of oil. Result: it is warm.</translation>
        </message>
        <message>
            <location filename="../../story/gate_folk.cpp" line="139"/>
            <source>ペド「……痛い。どこも怪我してないのに、ずっと、ずっと痛いの」</source>
            <translation>Petra: ...It hurts. I'm not hurt anywhere. But it hurts. Always, always.</translation>
        </message>
        <message>
            <location filename="../../story/gate_folk.cpp" line="146"/>
            <source>ペド「痛いの、少しだけ減ったの。……ここまで、自分で歩けたから」</source>
            <translation>Petra: It hurts a little less. ...I walked here. By myself.</translation>
        </message>
        <message>
            <location filename="../../story/gate_folk.cpp" line="154"/>
            <source>トト「我はトト、心臓を量る者。汝、己の死を受け入れるか」</source>
            <translation>Toto: I am Toto, who weighs hearts. Dost thou accept thy death?</translation>
        </message>
        <message>
            <location filename="../../story/gate_folk.cpp" line="155"/>
            <source>トト「受け入れた魂は少し軽くなる。生への未練の分だけな」</source>
            <translation>Toto: A soul that accepts grows lighter, by the weight of its clinging to life.</translation>
        </message>
        <message>
            <location filename="../../story/gate_folk.cpp" line="156"/>
            <source>トト「この天秤の片方には、真理の羽根が載っている」</source>
            <translation>Toto: Upon one side of these scales lieth the Feather of Truth.</translation>
        </message>
        <message>
            <location filename="../../story/gate_folk.cpp" line="157"/>
            <source>トト「汝の心臓を、もう片方に載せるか」</source>
            <translation>Toto: Wilt thou lay thy heart upon the other?</translation>
        </message>
        <message>
            <location filename="../../story/gate_folk.cpp" line="158"/>
            <source>トト「……釣り合った。門は、汝を拒まぬ」</source>
            <translation>Toto: ...They balance. The gate shall not refuse thee.</translation>
        </message>
        <message>
            <location filename="../../story/gate_folk.cpp" line="159"/>
            <source>トト「汝の心臓は、まだ鳴っている。死者にしては珍しいことだ」</source>
            <translation>Toto: Thy heart beateth still. A rare thing among the dead.</translation>
        </message>
        <message>
            <location filename="../../story/gate_folk.cpp" line="160"/>
            <source>トト「その音を失くすな。それが汝を、汝のままにしておく」</source>
            <translation>Toto: Lose not that sound. It keepeth thee as thou art.</translation>
        </message>
        <message>
            <location filename="../../story/gate_folk.cpp" line="161"/>
            <source>トト「量るべきものは、もう量った。行け」</source>
            <translation>Toto: What was to be weighed hath been weighed. Go.</translation>
        </message>
        <message>
            <location filename="../../story/gate_folk.cpp" line="178"/>
            <source>トト「量られた後も、道は続く。己の心臓の音を、聞き続けよ」</source>
            <translation>Toto: The road goeth on after the weighing. Listen ever to thine own heart.</translation>
        </message>
        <message>
            <location filename="../../story/guardians.cpp" line="51"/>
            <source>不思議な力ではじきとばされた...</source>
            <translation>A strange force threw you back...</translation>
        </message>
        <message>
            <location filename="../../story/guardians.cpp" line="74"/>
            <source>ガイガル「待ってたぜぇ。この門を抜けられるのは、ひとりずつだ」</source>
            <translation>Gaigar: Been waitin' for ya. This gate lets through one at a time.</translation>
        </message>
        <message>
            <location filename="../../story/guardians.cpp" line="75"/>
            <source>ガイガル「オレはな、冥界の底の牢から這い上がってきたんだ」</source>
            <translation>Gaigar: Y'know, I clawed my way up outta the cells of the Abyss.</translation>
        </message>
        <message>
            <location filename="../../story/guardians.cpp" line="76"/>
            <source>ガイガル「罪状？忘れたよ。ここじゃ、みんな忘れちまう」</source>
            <translation>Gaigar: My crime? Forgot it. Down here, everybody forgets.</translation>
        </message>
        <message>
            <location filename="../../story/guardians.cpp" line="77"/>
            <source>ガイガル「門の向こうへ行けば、やり直せるって話じゃねえか」</source>
            <translation>Gaigar: Word is, past that gate a guy gets a fresh start.</translation>
        </message>
        <message>
            <location filename="../../story/guardians.cpp" line="78"/>
            <source>ガイガル「だがトトの天秤に載ったら、オレの心臓なんざ一発で沈む」</source>
            <translation>Gaigar: But put my heart on Toto's scales and it sinks like a stone.</translation>
        </message>
        <message>
            <location filename="../../story/guardians.cpp" line="79"/>
            <source>ガイガル「だから、おまえの名前と量られた心臓をいただく」</source>
            <translation>Gaigar: So I'm takin' your name, and your weighed heart.</translation>
        </message>
        <message>
            <location filename="../../story/guardians.cpp" line="80"/>
            <source>ガイガル「おまえになりすまして、門を抜けてやるぜぇ!!」</source>
            <translation>Gaigar: I'll pass myself off as you and stroll right through!!</translation>
        </message>
        <message>
            <location filename="../../story/guardians.cpp" line="84"/>
            <source>ジユウ「最後の試験は、城を出る者と戦うこと。……相手はキミだ」</source>
            <translation>Jiyu: The final test is to fight someone leaving the castle. ...And that's you.</translation>
        </message>
        <message>
            <location filename="../../story/guardians.cpp" line="85"/>
            <source>ジユウ「ボク、ずっと、みんなを見送ってばかりだった」</source>
            <translation>Jiyu: All this time, I've only ever been seeing everyone off.</translation>
        </message>
        <message>
            <location filename="../../story/guardians.cpp" line="86"/>
            <source>ジユウ「……キミも、ボクを置いて行っちゃうんだろ？」</source>
            <translation>Jiyu: ...You're gonna leave me behind too, aren't you?</translation>
        </message>
        <message>
            <location filename="../../story/guardians.cpp" line="90"/>
            <source>エイダ「来たね。エイダ、この門の門番なんだよ」</source>
            <translation>Ada: You came! Ada is the gatekeeper of this gate.</translation>
        </message>
        <message>
            <location filename="../../story/guardians.cpp" line="91"/>
            <source>エイダ「門番は通せんぼするのがお仕事。……いっぱい遊ぼ!!」</source>
            <translation>Ada: A gatekeeper's job is blocking the way. ...So let's play lots!!</translation>
        </message>
        <message>
            <location filename="../../story/guardians.cpp" line="94"/>
            <source>マーラー。シキハキ街一の大商人。魂まで値踏みする目利き</source>
            <translation>Mahler. Shikihaki's biggest merchant. An eye that can price anything, even a soul.</translation>
        </message>
        <message>
            <location filename="../../story/guardians.cpp" line="95"/>
            <source>マーラー「いらっしゃい!!シキハキ街一の品ぞろえだよ。見てってね」</source>
            <translation>Mahler: Welcome!! The best selection in all of Shikihaki. Have a look!</translation>
        </message>
        <message>
            <location filename="../../story/guardians.cpp" line="96"/>
            <source>マーラー「今日は店じまい。代わりに、あんたの魂を仕入れさせてもらうよ!!」</source>
            <translation>Mahler: Shop's closed today. Instead, I'll be stocking up on your soul!!</translation>
        </message>
        <message>
            <location filename="../../story/guardians.cpp" line="99"/>
            <source>ヒトダマ「いかないで……ここは、あったかいよ……」</source>
            <translation>Wisp: Don't go... it's warm here...</translation>
        </message>
        <message>
            <location filename="../../story/guardians.cpp" line="100"/>
            <source>ヒトダマ「みんなで、とけて……ひとつに、なろう……!!」</source>
            <translation>Wisp: Let's all melt... and become one...!!</translation>
        </message>
        <message>
            <location filename="../../story/guardians.cpp" line="103"/>
            <source>大ヒトダマ。塔を登りきれなかった魂たちが、寄り集まって燃えている</source>
            <translation>Great Wisp. The souls that never reached the top of the Tower, clumped together and burning.</translation>
        </message>
        <message>
            <location filename="../../story/guardians.cpp" line="104"/>
            <source>大ヒトダマ「ここまで登ってきた魂は、みんな、ぼくになった」</source>
            <translation>Great Wisp: Every soul that climbed this far... became me.</translation>
        </message>
        <message>
            <location filename="../../story/guardians.cpp" line="105"/>
            <source>大ヒトダマ「管理者達に会いたくて……でも、扉は開かなかった」</source>
            <translation>Great Wisp: They wanted to meet the Overseers... but the door never opened.</translation>
        </message>
        <message>
            <location filename="../../story/guardians.cpp" line="106"/>
            <source>大ヒトダマ「きみも、ぼくになろう。もう、さみしくないよ!!」</source>
            <translation>Great Wisp: Become me too. You won't be lonely anymore!!</translation>
        </message>
        <message>
            <location filename="../../story/guardians.cpp" line="109"/>
            <source>魔王の幻。蜃気楼の城の主。闇に傾いた魂にだけ、その姿が見える</source>
            <translation>Phantom of the Demon King. Lord of the Mirage Castle. Only souls leaning to darkness can see it.</translation>
        </message>
        <message>
            <location filename="../../story/guardians.cpp" line="110"/>
            <source>魔王の幻「よく来た、闇に傾きし魂よ。ここはお前の望んだ城だ」</source>
            <translation>Phantom of the Demon King: Welcome, soul that leans to darkness. This is the castle you longed for.</translation>
        </message>
        <message>
            <location filename="../../story/guardians.cpp" line="111"/>
            <source>魔王の幻「我は幻。お前の心が、この姿を描いたにすぎぬ」</source>
            <translation>Phantom of the Demon King: I am but a phantom. Your own heart drew this form, nothing more.</translation>
        </message>
        <message>
            <location filename="../../story/guardians.cpp" line="112"/>
            <source>魔王の幻「ならば越えてみせよ。己の闇をな!!」</source>
            <translation>Phantom of the Demon King: Then overcome it, if you can. Your own darkness!!</translation>
        </message>
        <message>
            <location filename="../../story/guardians.cpp" line="115"/>
            <source>天秤の天使。天界の門柱を守る。光に傾いた魂を、最後にもう一度量る</source>
            <translation>Angel of the Scales. Guards the pillars of Heaven's gate. Weighs souls leaning to light one last time.</translation>
        </message>
        <message>
            <location filename="../../story/guardians.cpp" line="116"/>
            <source>天秤の天使「光に傾いた魂よ。その光は、本当にあなたのものですか」</source>
            <translation>Angel of the Scales: O soul that leans to light. Is that light truly your own?</translation>
        </message>
        <message>
            <location filename="../../story/guardians.cpp" line="117"/>
            <source>天秤の天使「借りものの光なら、ここで剥がれ落ちるでしょう!!」</source>
            <translation>Angel of the Scales: If it is borrowed light, it shall be stripped away here!!</translation>
        </message>
        <message>
            <location filename="../../story/guardians.cpp" line="121"/>
            <source>うさくまちゃん。うさぎなのか、くまなのか。気まぐれなお店屋さん</source>
            <translation>Bunbear. Bunny? Bear? A fickle little shopkeeper.</translation>
        </message>
        <message>
            <location filename="../../story/guardians.cpp" line="123"/>
            <source>うさくまちゃん「いらっしゃいませ～。うさぎ？くま？どっちでもいいよ～」</source>
            <translation>Bunbear: Welcome~! Bunny? Bear? Either's fine~</translation>
        </message>
        <message>
            <location filename="../../story/guardians.cpp" line="124"/>
            <source>うさくまちゃん「きょうはおみせ、おやすみ～。かわりにあそぼ～!!」</source>
            <translation>Bunbear: No shop today~. Let's play instead~!!</translation>
        </message>
        <message>
            <location filename="../../story/guardians.cpp" line="127"/>
            <source>管理者。管理者達の間の最奥に立つ者。白と黒の半面に、眼がひとつ</source>
            <translation>Overseer. The one who stands deepest in the High Hall. A half-white, half-black mask with one eye.</translation>
        </message>
        <message>
            <location filename="../../story/guardians.cpp" line="128"/>
            <source>管理者「よくぞ来た。我らは管理者。この世界のすべての魂を量る者」</source>
            <translation>Overseer: You have come. We are the Overseers. We weigh every soul in this world.</translation>
        </message>
        <message>
            <location filename="../../story/guardians.cpp" line="129"/>
            <source>管理者「死のエネルギーを配り、カルマを記し、忘れた魂を底へ沈める」</source>
            <translation>Overseer: We grant Death Energy, record Karma, and sink forgotten souls into the Abyss.</translation>
        </message>
        <message>
            <location filename="../../story/guardians.cpp" line="130"/>
            <source>管理者「我らが何者か、知りたいか。……誰も知らぬ。我ら自身もな」</source>
            <translation>Overseer: You wish to know what we are? ...None know. Not even we.</translation>
        </message>
        <message>
            <location filename="../../story/guardians.cpp" line="131"/>
            <source>管理者「この面の奥に扉がある。答えは、その扉の奥にある」</source>
            <translation>Overseer: Behind this mask is a door. The answer lies beyond it.</translation>
        </message>
        <message>
            <location filename="../../story/guardians.cpp" line="132"/>
            <source>管理者「知りたくば、我らを越えよ!!」</source>
            <translation>Overseer: If you would know, surpass us!!</translation>
        </message>
        <message>
            <location filename="../../story/guardians.cpp" line="136"/>
            <source>シグマ「門の奥でも商売さ。お代は、あんたの魂でいただくよ!!」</source>
            <translation>Sigma: Business goes on, even beyond the gate. The price? Your soul!!</translation>
        </message>
        <message>
            <location filename="../../story/guardians.cpp" line="140"/>
            <source>無属性霊体「ココハ底……忘レラレタ者ハ……ココカラ出ラレナイ……」</source>
            <translation>Neutral Spirit: THIS IS... THE BOTTOM... THE FORGOTTEN... CAN NEVER... LEAVE...</translation>
        </message>
        <message>
            <location filename="../../story/guardians.cpp" line="144"/>
            <source>魔女「ひっひっ、あたしの小屋まで来たね。さて、どれだけ重くなったか」</source>
            <translation>Witch: Hee hee, made it all the way to my hut, dearie. Now, how heavy have you grown?</translation>
        </message>
        <message>
            <location filename="../../story/guardians.cpp" line="145"/>
            <source>魔女「あたしが量ってやる。トトより、ちょいと厳しいよ」</source>
            <translation>Witch: I'll weigh you myself. A touch stricter than Toto, mind.</translation>
        </message>
        <message>
            <location filename="../../story/guardians.cpp" line="146"/>
            <source>魔女「手加減はしないよ。魔女ってのは、意地悪なもんさ!!」</source>
            <translation>Witch: No going easy on you. Witches are meant to be nasty, dearie!!</translation>
        </message>
        <message>
            <location filename="../../story/guardians.cpp" line="150"/>
            <source>ミスティウィング。洞穴の奥でランプを灯す隠者。封印金貨しか受け取らない</source>
            <translation>Misty Wing. A hermit who keeps a lamp lit deep in the Cave. Accepts nothing but Sealed Coins.</translation>
        </message>
        <message>
            <location filename="../../story/guardians.cpp" line="151"/>
            <source>ミスティウィング「封印金貨一枚で、どれでも一つ。灯りの消えぬうちに選びな」</source>
            <translation>Misty Wing: One Sealed Coin, any one thing. Choose before the light goes out.</translation>
        </message>
        <message>
            <location filename="../../story/scenes.cpp" line="37"/>
            <source>霊人「……剣ヲ……抜ケ……」</source>
            <translation>Wraith: ...DRAW... YOUR... SWORD...</translation>
        </message>
        <message>
            <location filename="../../story/scenes.cpp" line="37"/>
            <source>霊人「斬ルコトシカ……モウ……覚エテイナイ……!!」</source>
            <translation>Wraith: CUTTING... IS ALL... I REMEMBER...!!</translation>
        </message>
        <message>
            <location filename="../../story/scenes.cpp" line="45"/>
            <source>ヒトダマ「……ここ、どこ？……さむいよ……」</source>
            <translation>Wisp: ...Where is this?... It's cold...</translation>
        </message>
        <message>
            <location filename="../../story/scenes.cpp" line="45"/>
            <source>ヒトダマ「なまえ……なんだっけ……おもいだせない……」</source>
            <translation>Wisp: My name... what was it... I can't remember...</translation>
        </message>
        <message>
            <location filename="../../story/scenes.cpp" line="59"/>
            <source>ヒトダマ「しれん……まだ……おわらない……」</source>
            <translation>Wisp: The trial... still... isn't over...</translation>
        </message>
        <message>
            <location filename="../../story/scenes.cpp" line="59"/>
            <source>ヒトダマ「ずっと……なにかを……ふってた……なにを？」</source>
            <translation>Wisp: I kept... swinging... something... what?</translation>
        </message>
        <message>
            <location filename="../../story/scenes.cpp" line="86"/>
            <source>霊人「門ハ……通サヌ……」</source>
            <translation>Wraith: NONE... SHALL... PASS...</translation>
        </message>
        <message>
            <location filename="../../story/scenes.cpp" line="86"/>
            <source>霊人「ナゼ通サヌノカ……モウ……忘レタ……!!」</source>
            <translation>Wraith: WHY NONE MAY PASS... I HAVE... FORGOTTEN...!!</translation>
        </message>
        <message>
            <location filename="../../story/scenes.cpp" line="109"/>
            <source>ヒトダマ「キラキラ……それ……ちょうだい……!!」</source>
            <translation>Wisp: Sparkly... give me... that...!!</translation>
        </message>
        <message>
            <location filename="../../story/scenes.cpp" line="112"/>
            <source>霊人「……買イ物カ……イイナ……」</source>
            <translation>Wraith: ...SHOPPING... HOW NICE...</translation>
        </message>
        <message>
            <location filename="../../story/scenes.cpp" line="112"/>
            <source>霊人「オレニハ……モウ……欲シイモノモ……ナイ……」</source>
            <translation>Wraith: I HAVE... NOTHING LEFT... TO WANT...</translation>
        </message>
        <message>
            <location filename="../../story/scenes.cpp" line="137"/>
            <source>ヒトダマ「むらさき……むらさき……いっしょに……とけよう……!!」</source>
            <translation>Wisp: Purple... purple... let's melt... together...!!</translation>
        </message>
        <message>
            <location filename="../../story/scenes.cpp" line="160"/>
            <source>霊人「上ヘ……登ルナ……」</source>
            <translation>Wraith: DO NOT... CLIMB...</translation>
        </message>
        <message>
            <location filename="../../story/scenes.cpp" line="160"/>
            <source>霊人「登ッタ者ハ……誰モ……戻ラナイ……!!」</source>
            <translation>Wraith: NONE WHO CLIMB... EVER... RETURN...!!</translation>
        </message>
        <message>
            <location filename="../../story/scenes.cpp" line="172"/>
            <source>ヒトダマ「うえに……いかせない……!!」</source>
            <translation>Wisp: I won't... let you... go up...!!</translation>
        </message>
        <message>
            <location filename="../../story/scenes.cpp" line="188"/>
            <source>悪魔「ククク……闇に惹かれて来たか。その魂、いただこう!!」</source>
            <translation>Devil: Kukuku... Drawn here by the dark, were you? Your soul is mine!!</translation>
        </message>
        <message>
            <location filename="../../story/scenes.cpp" line="191"/>
            <source>天使「光に憧れる魂よ。その穢れ、ここで祓ってさしあげましょう!!」</source>
            <translation>Angel: O soul that longs for light, let me purge your stain here!!</translation>
        </message>
        <message>
            <location filename="../../story/scenes.cpp" line="194"/>
            <source>ヒトダマ「……ここ……まぶしいの？……くらいの？」</source>
            <translation>Wisp: ...Is it... bright here?... Or dark?</translation>
        </message>
        <message>
            <location filename="../../story/scenes.cpp" line="194"/>
            <source>ヒトダマ「もう……わからないや……」</source>
            <translation>Wisp: I just... can't tell anymore...</translation>
        </message>
        <message>
            <location filename="../../story/scenes.cpp" line="261"/>
            <source>霊人「管理者達ノ……命令ダ……」</source>
            <translation>Wraith: THE OVERSEERS'... ORDERS...</translation>
        </message>
        <message>
            <location filename="../../story/scenes.cpp" line="261"/>
            <source>霊人「扉ニ……近ヅク者ハ……消ス……!!」</source>
            <translation>Wraith: ALL WHO NEAR... THE DOOR... ARE ERASED...!!</translation>
        </message>
        <message>
            <location filename="../../story/scenes.cpp" line="262"/>
            <source>霊人「量ラレテモ……マダ……戦ウ……」</source>
            <translation>Wraith: WEIGHED... YET... I FIGHT...</translation>
        </message>
        <message>
            <location filename="../../story/scenes.cpp" line="262"/>
            <source>霊人「終ワラナイ……終ワレナイ……!!」</source>
            <translation>Wraith: NO END... I CAN'T... END...!!</translation>
        </message>
        <message>
            <location filename="../../story/scenes.cpp" line="275"/>
            <source>ヒトダマ「とびらの……むこう……みちゃ……だめ……!!」</source>
            <translation>Wisp: Don't... look... past... the door...!!</translation>
        </message>
        <message>
            <location filename="../../story/scenes.cpp" line="275"/>
            <source>ヒトダマ「……さばかれた……？……ずるい……!!」</source>
            <translation>Wisp: ...You got judged...? No fair...!!</translation>
        </message>
        <message>
            <location filename="../../story/scenes.cpp" line="291"/>
            <source>無属性霊体「ワタシハ……ナニモノデモナイ。ダカラ、オマエヲ映ス……」</source>
            <translation>Neutral Spirit: I AM... NOTHING. SO I REFLECT... YOU...</translation>
        </message>
        <message>
            <location filename="../../story/scenes.cpp" line="295"/>
            <source>ヒトダマ「……ここは……そこ……いちばんの……そこ……」</source>
            <translation>Wisp: ...This is... the bottom... the very... bottom...</translation>
        </message>
        <message>
            <location filename="../../story/scenes.cpp" line="295"/>
            <source>ヒトダマ「わすれられたら……みんな……ここに……おちてくるの……」</source>
            <translation>Wisp: Once they're forgotten... everyone... falls... down here...</translation>
        </message>
        <message>
            <location filename="../../story/swords.cpp" line="17"/>
            <source>レッドソード「……小さな剣だな。それで、この先を歩くつもりか」</source>
            <translation>Red Sword: ...Small sword. You mean to go on with that?</translation>
        </message>
        <message>
            <location filename="../../story/swords.cpp" line="18"/>
            <source>レッドソード「まあいい。剣は、歩いた分だけ伸びる」</source>
            <translation>Red Sword: Fine. A sword grows the farther you walk.</translation>
        </message>
        <message>
            <location filename="../../story/swords.cpp" line="19"/>
            <source>レッドソード「俺の剣が赤い理由か？……斬った数だけ、染まった」</source>
            <translation>Red Sword: Why my sword is red? ...Stained, by every one I cut.</translation>
        </message>
        <message>
            <location filename="../../story/swords.cpp" line="20"/>
            <source>レッドソード「生きていた頃、俺は一度も負けなかった」</source>
            <translation>Red Sword: In life, I never lost. Not once.</translation>
        </message>
        <message>
            <location filename="../../story/swords.cpp" line="21"/>
            <source>レッドソード「負けを知らぬ剣は、何も知らぬのと同じだ」</source>
            <translation>Red Sword: A sword that has never lost knows nothing at all.</translation>
        </message>
        <message>
            <location filename="../../story/swords.cpp" line="31"/>
            <source>レッドソード「また会ったな。……少しは剣が伸びたか」</source>
            <translation>Red Sword: We meet again. ...Has your sword grown any?</translation>
        </message>
        <message>
            <location filename="../../story/swords.cpp" line="32"/>
            <source>レッドソード「この街には、斬られた者の形見を売る店もある。俺は買わんがな」</source>
            <translation>Red Sword: This town has a shop selling keepsakes of the slain. Not that I buy.</translation>
        </message>
        <message>
            <location filename="../../story/swords.cpp" line="33"/>
            <source>レッドソード「構えてみろ。……肩に力が入りすぎだ」</source>
            <translation>Red Sword: Take your stance. ...Too much strength in the shoulders.</translation>
        </message>
        <message>
            <location filename="../../story/swords.cpp" line="34"/>
            <source>レッドソード「剣は握りしめるな。離さない程度に、持て」</source>
            <translation>Red Sword: Don't clench the sword. Hold it just enough not to let go.</translation>
        </message>
        <message>
            <location filename="../../story/swords.cpp" line="35"/>
            <source>レッドソード「生きていた頃、俺は剣の腕ひとつで生きていた」</source>
            <translation>Red Sword: In life, I lived by my sword arm alone.</translation>
        </message>
        <message>
            <location filename="../../story/swords.cpp" line="36"/>
            <source>レッドソード「挑んできた者は、みな斬った。一度も負けなかった」</source>
            <translation>Red Sword: All who challenged me, I cut down. I never lost.</translation>
        </message>
        <message>
            <location filename="../../story/swords.cpp" line="37"/>
            <source>レッドソード「最後には誰も挑んでこなくなった。ひとりで、死んだ」</source>
            <translation>Red Sword: In the end, no one challenged me anymore. I died alone.</translation>
        </message>
        <message>
            <location filename="../../story/swords.cpp" line="38"/>
            <source>レッドソード「この剣の赤は、斬った者たちの赤だ。まだ乾かない」</source>
            <translation>Red Sword: The red of this sword is the red of those I cut. It's still wet.</translation>
        </message>
        <message>
            <location filename="../../story/swords.cpp" line="39"/>
            <source>レッドソード「俺は、負けを知りに来たのかもしれんな。この世界に」</source>
            <translation>Red Sword: Maybe I came to this world to learn how to lose.</translation>
        </message>
        <message>
            <location filename="../../story/swords.cpp" line="40"/>
            <source>レッドソード「おまえの剣には迷いがある。だが、濁りはない」</source>
            <translation>Red Sword: Your sword wavers. But it isn't clouded.</translation>
        </message>
        <message>
            <location filename="../../story/swords.cpp" line="41"/>
            <source>レッドソード「次に会ったら、抜け。手加減はせん」</source>
            <translation>Red Sword: Next time we meet, draw. I won't go easy.</translation>
        </message>
        <message>
            <location filename="../../story/swords.cpp" line="42"/>
            <source>レッドソード「俺に、負けを教えてみろ」</source>
            <translation>Red Sword: Teach me what losing is.</translation>
        </message>
        <message>
            <location filename="../../story/swords.cpp" line="43"/>
            <source>レッドソード「……来い!!」</source>
            <translation>Red Sword: ...Come!!</translation>
        </message>
        <message>
            <location filename="../../story/swords.cpp" line="54"/>
            <source>レッドソード「門の奥で会うとはな。ここは、量られた者の通り道だ」</source>
            <translation>Red Sword: So we meet beyond the gate. This is the road of the weighed.</translation>
        </message>
        <message>
            <location filename="../../story/swords.cpp" line="55"/>
            <source>レッドソード「トトに量られた。俺の心臓は、ひどく重かった」</source>
            <translation>Red Sword: Toto weighed me. My heart was very heavy.</translation>
        </message>
        <message>
            <location filename="../../story/swords.cpp" line="56"/>
            <source>レッドソード「だが天秤は俺を拒まなかった。重いまま、通された」</source>
            <translation>Red Sword: But the scales didn't turn me away. I passed, heavy as I was.</translation>
        </message>
        <message>
            <location filename="../../story/swords.cpp" line="57"/>
            <source>レッドソード「重さは消すものではなく、背負うものらしい」</source>
            <translation>Red Sword: Weight isn't something to erase, it seems. It's something to carry.</translation>
        </message>
        <message>
            <location filename="../../story/swords.cpp" line="58"/>
            <source>レッドソード「剣も同じだ。振るった分だけ重くなる」</source>
            <translation>Red Sword: Same with a sword. Every swing makes it heavier.</translation>
        </message>
        <message>
            <location filename="../../story/swords.cpp" line="59"/>
            <source>レッドソード「その重さを知る者だけが、本当の剣士だ」</source>
            <translation>Red Sword: Only one who knows that weight is a true swordsman.</translation>
        </message>
        <message>
            <location filename="../../story/swords.cpp" line="60"/>
            <source>レッドソード「$。おまえの剣の名を、俺は覚えておこう」</source>
            <translation>Red Sword: $. I'll remember the name of your sword.</translation>
        </message>
        <message>
            <location filename="../../story/swords.cpp" line="61"/>
            <source>レッドソード「これで俺も、ようやくひとつ、負けを知った」</source>
            <translation>Red Sword: So. At last, I've learned one defeat.</translation>
        </message>
        <message>
            <location filename="../../story/swords.cpp" line="62"/>
            <source>レッドソード「剣士$。また、どこかで」</source>
            <translation>Red Sword: Swordsman $. Until next time.</translation>
        </message>
        <message>
            <location filename="../../story/swords.cpp" line="63"/>
            <source>レッドソード「俺の剣の赤も、少し薄くなった気がする」</source>
            <translation>Red Sword: The red of my sword seems a little paler now.</translation>
        </message>
        <message>
            <location filename="../../story/swords.cpp" line="74"/>
            <source>ジユウ「えいっ、やあっ!!……わっ、見てた？」</source>
            <translation>Jiyu: Hyah! Yah!! ...Whoa, were you watching?</translation>
        </message>
        <message>
            <location filename="../../story/swords.cpp" line="75"/>
            <source>ジユウ「ボク、ジユウ。この試練城の見習いなんだ」</source>
            <translation>Jiyu: I'm Jiyu! A trainee here at Trial Castle!</translation>
        </message>
        <message>
            <location filename="../../story/swords.cpp" line="76"/>
            <source>ジユウ「キミは？……$か。いい名前だね!!」</source>
            <translation>Jiyu: And you? ...$, huh? What a great name!!</translation>
        </message>
        <message>
            <location filename="../../story/swords.cpp" line="77"/>
            <source>ジユウ「ここじゃ、強くなった魂から順番に城を出ていくんだ」</source>
            <translation>Jiyu: Here, souls leave the castle one by one, once they get strong.</translation>
        </message>
        <message>
            <location filename="../../story/swords.cpp" line="78"/>
            <source>ジユウ「ボクは……まだ、もうちょっとかかりそう」</source>
            <translation>Jiyu: Me... I think I'll need a little longer.</translation>
        </message>
        <message>
            <location filename="../../story/swords.cpp" line="79"/>
            <source>ジユウ「今日も素振り千回!!……の、三百回目くらい」</source>
            <translation>Jiyu: A thousand practice swings today too!! ...I'm at about three hundred.</translation>
        </message>
        <message>
            <location filename="../../story/swords.cpp" line="80"/>
            <source>ジユウ「ボクのホントの名前？忘れちゃった。だから自分でつけたんだ」</source>
            <translation>Jiyu: My real name? I forgot it. So I gave myself one!</translation>
        </message>
        <message>
            <location filename="../../story/swords.cpp" line="81"/>
            <source>ジユウ「ジユウ。自由のジユウ。かっこいいでしょ？」</source>
            <translation>Jiyu: Jiyu. As in &quot;free&quot;. Cool, right?</translation>
        </message>
        <message>
            <location filename="../../story/swords.cpp" line="82"/>
            <source>ジユウ「生きてた頃は、決められたことしかできなかった気がする」</source>
            <translation>Jiyu: When I was alive, I think I could only ever do what I was told.</translation>
        </message>
        <message>
            <location filename="../../story/swords.cpp" line="83"/>
            <source>ジユウ「だからここでは、自分で決めて、自分で強くなるんだ」</source>
            <translation>Jiyu: So here, I choose for myself, and get strong on my own!</translation>
        </message>
        <message>
            <location filename="../../story/swords.cpp" line="84"/>
            <source>ジユウ「あっ、来た来た!!ちょうどよかった」</source>
            <translation>Jiyu: Oh, there you are!! Perfect timing!</translation>
        </message>
        <message>
            <location filename="../../story/swords.cpp" line="85"/>
            <source>ジユウ「これ、夜なべして縫ったんだ。縫い目、ガタガタだけど」</source>
            <translation>Jiyu: I stayed up all night sewing this. The stitches are all wonky, though.</translation>
        </message>
        <message>
            <location filename="../../story/swords.cpp" line="86"/>
            <source>ジユウ「お守り。キミが先に城を出ても、迷わず歩けるように」</source>
            <translation>Jiyu: It's a charm. So you won't lose your way, even if you leave the castle first.</translation>
        </message>
        <message>
            <location filename="../../story/swords.cpp" line="87"/>
            <source>ジユウ「キミを見てたら、ボクも、もうすぐ城を出られそうな気がする!!」</source>
            <translation>Jiyu: Watching you, I feel like I'll get to leave the castle soon too!!</translation>
        </message>
        <message>
            <location filename="../../story/swords.cpp" line="88"/>
            <source>ジユウ「素振り、千回達成!!……次は、二千回!!」</source>
            <translation>Jiyu: A thousand swings, done!! ...Next up, two thousand!!</translation>
        </message>
        <message>
            <location filename="../../story/swords.cpp" line="92"/>
            <source>【%1】を貰った!!</source>
            <translation>Received [%1]!!</translation>
        </message>
        <message>
            <location filename="../../story/wanderers.cpp" line="26"/>
            <source>孤独のクグワ「ダレモ……イナイ……オマエモ……ヒトリニ……ナレ……!!」</source>
            <translation>Kuguwa of Loneliness: NO ONE... IS HERE... YOU TOO... BE... ALONE...!!</translation>
        </message>
        <message>
            <location filename="../../story/wanderers.cpp" line="27"/>
            <source>妬みのクグワ「ソノ魂……キレイ……ズルイ……ヨコセ……!!」</source>
            <translation>Kuguwa of Envy: THAT SOUL... SO PRETTY... NOT FAIR... GIVE IT...!!</translation>
        </message>
        <message>
            <location filename="../../story/wanderers.cpp" line="28"/>
            <source>絶望のクグワ「ナニヲシテモ……ムダ……ムダ……ムダ……」</source>
            <translation>Kuguwa of Despair: WHATEVER... YOU DO... USELESS... USELESS... USELESS...</translation>
        </message>
        <message>
            <location filename="../../story/wanderers.cpp" line="29"/>
            <source>魔のクグワ「闇ニ……堕チロ……オマエモ……コッチヘ……!!」</source>
            <translation>Kuguwa of Evil: FALL... INTO DARKNESS... YOU TOO... COME... THIS WAY...!!</translation>
        </message>
        <message>
            <location filename="../../story/wanderers.cpp" line="30"/>
            <source>聖のクグワ「穢レタ魂ハ……浄メネバ……ナラヌ……!!」</source>
            <translation>Kuguwa of Holiness: A DEFILED SOUL... MUST BE... CLEANSED...!!</translation>
        </message>
        <message>
            <location filename="../../story/wanderers.cpp" line="31"/>
            <source>無のクグワ「ナニモ……ナイ……ナニモ……カンジナイ……」</source>
            <translation>Kuguwa of the Void: NOTHING... LEFT... NOTHING... I FEEL... NOTHING...</translation>
        </message>
        <message>
            <location filename="../../story/wanderers.cpp" line="32"/>
            <source>冤罪のクグワ「ヤッテナイ……オレハ……ヤッテナイ……!!」</source>
            <translation>Kuguwa of Injustice: DIDN'T DO IT... I... DIDN'T DO IT...!!</translation>
        </message>
        <message>
            <location filename="../../story/wanderers.cpp" line="33"/>
            <source>友情のクグワ「トモダチ……ダロ……？ズット……イッショ……ダロ……!!」</source>
            <translation>Kuguwa of Friendship: WE'RE... FRIENDS... RIGHT...? ALWAYS... TOGETHER... RIGHT...!!</translation>
        </message>
        <message>
            <location filename="../../story/wanderers.cpp" line="34"/>
            <source>血雨のクグワ「アカイ……アメガ……ヤマナイ……カネヲ……ヨコセ……!!」</source>
            <translation>Kuguwa of Blood Rain: RED... RAIN... WON'T STOP... GIVE ME... GOLD...!!</translation>
        </message>
        <message>
            <location filename="../../story/wanderers.cpp" line="35"/>
            <source>閃光のクグワ「マブシイ……アノ日ノ……ヒカリガ……キエナイ……!!」</source>
            <translation>Kuguwa of the Flash: TOO BRIGHT... THAT DAY'S... LIGHT... WON'T FADE...!!</translation>
        </message>
        <message>
            <location filename="../../story/wanderers.cpp" line="36"/>
            <source>星屑のクグワ「ホシニ……ナリタカッタ……ナレナカッタ……!!」</source>
            <translation>Kuguwa of Stardust: WANTED... TO BE A STAR... NEVER WAS...!!</translation>
        </message>
        <message>
            <location filename="../../story/wanderers.cpp" line="50"/>
            <source>シグマ「【%1】なんてどうだい？金貨%2枚でどう？</source>
            <translation>Sigma: How about this [%1]? Yours for %2 gold, what do you say?</translation>
        </message>
        <message>
            <location filename="../../story/wanderers.cpp" line="67"/>
            <source>圧力のクグワ「オモイ……オモイゾ……」</source>
            <translation>Kuguwa of Pressure: HEAVY... SO HEAVY...</translation>
        </message>
        <message>
            <location filename="../../story/wanderers.cpp" line="67"/>
            <source>圧力のクグワ「コノ重サ……オマエニモ……ワケテヤル……」</source>
            <translation>Kuguwa of Pressure: THIS WEIGHT... I'LL SHARE IT... WITH YOU...</translation>
        </message>
        <message>
            <location filename="../../story/wanderers.cpp" line="69"/>
            <source>ここを通りたくば、金貨 %1枚を渡せ....</source>
            <translation>If you would pass, hand over %1 gold....</translation>
        </message>
        <message>
            <location filename="../../story/witch.cpp" line="13"/>
            <source>魔女「おや、新しい魂だね。ひっひっ、そう怖がるんじゃないよ」</source>
            <translation>Witch: Oh my, a new soul. Hee hee, no need to look so scared, dearie.</translation>
        </message>
        <message>
            <location filename="../../story/witch.cpp" line="14"/>
            <source>魔女「ここじゃ、したことが全部、魂の重さになる。それがカルマさ」</source>
            <translation>Witch: Here, everything you've done becomes your soul's weight. That's Karma.</translation>
        </message>
        <message>
            <location filename="../../story/witch.cpp" line="15"/>
            <source>魔女「闇に傾くも光に傾くも、あんたの勝手。量られるのは自分だよ」</source>
            <translation>Witch: Lean to darkness or to light, as you please. It's you who gets weighed, dearie.</translation>
        </message>
        <message>
            <location filename="../../story/witch.cpp" line="16"/>
            <source>魔女「ひとつ聞くよ。ここに来たとき、『待ってるよ』って声を聞いたろう」</source>
            <translation>Witch: One question. When you came here, you heard a voice say &quot;I'll be waiting,&quot; didn't you?</translation>
        </message>
        <message>
            <location filename="../../story/witch.cpp" line="17"/>
            <source>魔女「あれが誰の声か、考えておきな。それが、この世界の謎さ」</source>
            <translation>Witch: Think on whose voice that was. That's the riddle of this world.</translation>
        </message>
        <message>
            <location filename="../../story/witch.cpp" line="18"/>
            <source>魔女「気に入ったよ。あんたの魂の器、広げてやろうか？」</source>
            <translation>Witch: I like you, dearie. Shall I widen your soul's vessel?</translation>
        </message>
        <message>
            <location filename="../../story/witch.cpp" line="19"/>
            <source>魔女「おまけだ。ついでに剣も鍛えてやろうかね？」</source>
            <translation>Witch: Here's a bonus. Shall I temper your sword while I'm at it?</translation>
        </message>
        <message>
            <location filename="../../story/witch.cpp" line="20"/>
            <source>魔女「欲張りは闇に傾くよ。ひっひっ、またおいで」</source>
            <translation>Witch: Greed tips you toward darkness. Hee hee, come again.</translation>
        </message>
        <message>
            <location filename="../../story/witch.cpp" line="35"/>
            <source>魔女「おや、買い物かい。あたしは黒飴の仕入れさ」</source>
            <translation>Witch: Oh, shopping, dearie? I'm stocking up on black candy.</translation>
        </message>
        <message>
            <location filename="../../story/witch.cpp" line="36"/>
            <source>魔女「この街の金貨はね、死者が生きてた頃に惜しんだものの成れの果てさ」</source>
            <translation>Witch: This town's gold is what became of all the dead held back in life.</translation>
        </message>
        <message>
            <location filename="../../story/witch.cpp" line="37"/>
            <source>魔女「いいことを教えてやろう。カルマは、ひとに量られるもんじゃない」</source>
            <translation>Witch: Here's a tip. Karma isn't something others weigh you by.</translation>
        </message>
        <message>
            <location filename="../../story/witch.cpp" line="38"/>
            <source>魔女「自分で自分に載せる重りさ。だから、自分でしか下ろせない」</source>
            <translation>Witch: It's a weight you lay on yourself. So only you can take it off.</translation>
        </message>
        <message>
            <location filename="../../story/witch.cpp" line="39"/>
            <source>魔女「トトの天秤も、本当はそれを映してるだけなんだよ。ひっひっ」</source>
            <translation>Witch: Even Toto's scales only mirror it, really. Hee hee.</translation>
        </message>
        <message>
            <location filename="../../story/witch.cpp" line="40"/>
            <source>魔女「黒飴、ひとつおまけしてやろうか？……冗談さ」</source>
            <translation>Witch: Shall I throw in a black candy for free? ...Just kidding.</translation>
        </message>
        <message>
            <location filename="../../story/witch.cpp" line="50"/>
            <source>魔女「おや、ずいぶん光に傾いたね。まぶしいこと」</source>
            <translation>Witch: My, you've leaned far toward the light. How dazzling.</translation>
        </message>
        <message>
            <location filename="../../story/witch.cpp" line="51"/>
            <source>魔女「でも光も重りのうちさ。善いことを数えだしたら、気をつけな」</source>
            <translation>Witch: But light's a weight too. Once you start counting good deeds, watch out.</translation>
        </message>
        <message>
            <location filename="../../story/witch.cpp" line="53"/>
            <source>魔女「ひっひっ、闇に傾いてきたね。あたし好みだよ」</source>
            <translation>Witch: Hee hee, leaning toward darkness, are we? Just my taste.</translation>
        </message>
        <message>
            <location filename="../../story/witch.cpp" line="54"/>
            <source>魔女「でもね、闇は居心地がいいぶん、底まで沈みやすいのさ」</source>
            <translation>Witch: But darkness is so cozy, dearie, it's easy to sink right to the bottom.</translation>
        </message>
        <message>
            <location filename="../../story/witch.cpp" line="56"/>
            <source>魔女「どっちにも傾かない魂かい。天秤が退屈しちまうよ」</source>
            <translation>Witch: A soul that leans neither way? The scales will be bored stiff.</translation>
        </message>
        <message>
            <location filename="../../story/witch.cpp" line="63"/>
            <source>魔女「門の奥まで来たかい。ここからは、見知った顔ばかりだよ」</source>
            <translation>Witch: Made it beyond the gate, have you? From here on, it's all familiar faces.</translation>
        </message>
        <message>
            <location filename="../../story/witch.cpp" line="71"/>
            <source>魔女「ようこそ、あたしの小屋へ。散らかってるのは気にしないでおくれ」</source>
            <translation>Witch: Welcome to my hut, dearie. Don't mind the mess.</translation>
        </message>
        <message>
            <location filename="../../story/witch.cpp" line="72"/>
            <source>魔女「あたしはね、門も塔もなかった頃から、この世界にいるのさ」</source>
            <translation>Witch: I've been in this world since before there was any gate or tower.</translation>
        </message>
        <message>
            <location filename="../../story/witch.cpp" line="73"/>
            <source>魔女「何ひとつ忘れられない。それが魔女の呪いってやつでね」</source>
            <translation>Witch: I can't forget a single thing. That's a witch's curse, you see.</translation>
        </message>
        <message>
            <location filename="../../story/witch.cpp" line="74"/>
            <source>魔女「管理者達？ひっひっ、あれはね、みんなが怖がるから生まれたのさ」</source>
            <translation>Witch: The Overseers? Hee hee, they were born because everyone was afraid.</translation>
        </message>
        <message>
            <location filename="../../story/witch.cpp" line="75"/>
            <source>魔女「量られたい、決めてほしい。そんな声の寄せ集めだよ」</source>
            <translation>Witch: &quot;Weigh me. Decide for me.&quot; They're just a heap of voices like that.</translation>
        </message>
        <message>
            <location filename="../../story/witch.cpp" line="76"/>
            <source>魔女「扉の奥に誰がいるか、あんたはもう半分わかってるんじゃないかい」</source>
            <translation>Witch: Who's behind that door... you half know already, don't you, dearie?</translation>
        </message>
        <message>
            <location filename="../../story/witch.cpp" line="77"/>
            <source>魔女「茶はないって言ったろう。……ほら、黒飴でもなめていきな」</source>
            <translation>Witch: I told you, there's no tea. ...Here, have a black candy on your way.</translation>
        </message>
        <message>
            <location filename="../../story/yoko_and_ada.cpp" line="13"/>
            <source>夜子「あら、こんばんは。……ここは、いつだって夜みたいなものだけど」</source>
            <translation>Yoko: Oh my, good evening. ...Not that it's ever anything but night here.</translation>
        </message>
        <message>
            <location filename="../../story/yoko_and_ada.cpp" line="14"/>
            <source>夜子「わたしは夜子。この体？ううん、借りものよ」</source>
            <translation>Yoko: I'm Yoko. This body? Oh no, it's borrowed.</translation>
        </message>
        <message>
            <location filename="../../story/yoko_and_ada.cpp" line="15"/>
            <source>夜子「わたしね、魂の体を取り換えられるの。着替えみたいに」</source>
            <translation>Yoko: You see, I can swap my soul's body. Like changing clothes.</translation>
        </message>
        <message>
            <location filename="../../story/yoko_and_ada.cpp" line="16"/>
            <source>夜子「あなたは？……$。ふうん、ちゃんと自分の形をしてるのね」</source>
            <translation>Yoko: And you? ...$. Hmm, you still have your own shape, don't you.</translation>
        </message>
        <message>
            <location filename="../../story/yoko_and_ada.cpp" line="17"/>
            <source>夜子「その門、閉まってるでしょう。また会いに来てくれたら、教えてあげる」</source>
            <translation>Yoko: That gate's shut, isn't it? Come see me again and I'll tell you about it.</translation>
        </message>
        <message>
            <location filename="../../story/yoko_and_ada.cpp" line="18"/>
            <source>夜子「$、また来たのね。今日の体はどう？少し背が高いの」</source>
            <translation>Yoko: $, back again? How do you like today's body? It's a little taller.</translation>
        </message>
        <message>
            <location filename="../../story/yoko_and_ada.cpp" line="19"/>
            <source>夜子「生きてた頃はね、お日さまの下に出られない体だったの」</source>
            <translation>Yoko: When I was alive, my body couldn't bear the sun.</translation>
        </message>
        <message>
            <location filename="../../story/yoko_and_ada.cpp" line="20"/>
            <source>夜子「だから夜子。夜の子。外を歩けたのは、夜だけ」</source>
            <translation>Yoko: Hence Yoko. Child of the night. Night was the only time I could go out.</translation>
        </message>
        <message>
            <location filename="../../story/yoko_and_ada.cpp" line="21"/>
            <source>夜子「ここでは、どんな体にもなれる。……ね、素敵でしょう？」</source>
            <translation>Yoko: Here, I can be any body I like. ...Isn't that lovely?</translation>
        </message>
        <message>
            <location filename="../../story/yoko_and_ada.cpp" line="22"/>
            <source>夜子「門のこと、約束だったわね」</source>
            <translation>Yoko: The gate. I did promise, didn't I.</translation>
        </message>
        <message>
            <location filename="../../story/yoko_and_ada.cpp" line="23"/>
            <source>夜子「あの門を閉めているのは、門番の小さな女の子よ」</source>
            <translation>Yoko: The one keeping that gate shut is a little girl. The gatekeeper.</translation>
        </message>
        <message>
            <location filename="../../story/yoko_and_ada.cpp" line="24"/>
            <source>夜子「さっき少しだけあの子の体を借りて、閂を外しておいたわ」</source>
            <translation>Yoko: I borrowed her body for a moment just now, and lifted the bar.</translation>
        </message>
        <message>
            <location filename="../../story/yoko_and_ada.cpp" line="25"/>
            <source>夜子「あとは、あの子と遊んであげて。きっと、さみしがってるから」</source>
            <translation>Yoko: Now go and play with her. I'm sure she's lonely.</translation>
        </message>
        <message>
            <location filename="../../story/yoko_and_ada.cpp" line="26"/>
            <source>夜子「ねえ、さっき鏡を見たの。……誰の顔だったか、思い出せなかった」</source>
            <translation>Yoko: Say, I looked in a mirror earlier. ...I couldn't remember whose face it was.</translation>
        </message>
        <message>
            <location filename="../../story/yoko_and_ada.cpp" line="27"/>
            <source>夜子「平気よ、平気。また次の体を探すから」</source>
            <translation>Yoko: I'm fine, really. I'll just find my next body.</translation>
        </message>
        <message>
            <location filename="../../story/yoko_and_ada.cpp" line="28"/>
            <source>夜子「塔の上には、なんでも叶う体があるんだって。行ってみようかしら」</source>
            <translation>Yoko: They say atop the Tower there's a body that grants any wish. Shall I go see?</translation>
        </message>
        <message>
            <location filename="../../story/yoko_and_ada.cpp" line="39"/>
            <source>夜子「あら、奇遇ね。この街には、体の試着ができるお店があるのよ」</source>
            <translation>Yoko: Oh my, what a coincidence. This town has a shop where you can try on bodies.</translation>
        </message>
        <message>
            <location filename="../../story/yoko_and_ada.cpp" line="40"/>
            <source>夜子「見て、この体。ちょっと派手かしら？」</source>
            <translation>Yoko: Look at this body. A bit too flashy?</translation>
        </message>
        <message>
            <location filename="../../story/yoko_and_ada.cpp" line="41"/>
            <source>夜子「……どれを着ても、なんだか落ち着かないの。どうしてかしらね」</source>
            <translation>Yoko: ...Whatever I put on, I never feel at ease. I wonder why.</translation>
        </message>
        <message>
            <location filename="../../story/yoko_and_ada.cpp" line="42"/>
            <source>夜子「今日は三着目。背の高い人、小さな人、よく笑う人」</source>
            <translation>Yoko: My third today. Someone tall, someone small, someone who laughs a lot.</translation>
        </message>
        <message>
            <location filename="../../story/yoko_and_ada.cpp" line="43"/>
            <source>夜子「でもね、自分の体をどこに置いてきたのか、思い出せないの」</source>
            <translation>Yoko: But you know, I can't remember where I left my own body.</translation>
        </message>
        <message>
            <location filename="../../story/yoko_and_ada.cpp" line="53"/>
            <source>夜子「来たのね。塔の上には、なんでも叶う体があるって聞いたの」</source>
            <translation>Yoko: You came. I hear atop the Tower there's a body that grants any wish.</translation>
        </message>
        <message>
            <location filename="../../story/yoko_and_ada.cpp" line="54"/>
            <source>夜子「空を飛べる体、疲れない体、お日さまの下を歩ける体」</source>
            <translation>Yoko: A body that can fly, a body that never tires, a body that can walk in the sun.</translation>
        </message>
        <message>
            <location filename="../../story/yoko_and_ada.cpp" line="55"/>
            <source>夜子「どれにしようかしら。……ふふ、迷っちゃうわね」</source>
            <translation>Yoko: Which shall I choose? ...Mm, decisions, decisions.</translation>
        </message>
        <message>
            <location filename="../../story/yoko_and_ada.cpp" line="56"/>
            <source>夜子「あなたも登るんでしょう？一緒に行きましょ」</source>
            <translation>Yoko: You're climbing too, aren't you? Let's go together.</translation>
        </message>
        <message>
            <location filename="../../story/yoko_and_ada.cpp" line="57"/>
            <source>夜子「……あら。置いていくのは、わたしの方だったかしら」</source>
            <translation>Yoko: ...Oh my. Though I suppose I'm the one who leaves things behind.</translation>
        </message>
        <message>
            <location filename="../../story/yoko_and_ada.cpp" line="58"/>
            <source>夜子「ねえ、少しだけ、わたしの話をしてもいい？」</source>
            <translation>Yoko: Say, may I tell you a little about myself?</translation>
        </message>
        <message>
            <location filename="../../story/yoko_and_ada.cpp" line="59"/>
            <source>夜子「生きてた頃のわたしは、日の光に当たると肌が焼けてしまったの」</source>
            <translation>Yoko: When I was alive, sunlight would burn my skin.</translation>
        </message>
        <message>
            <location filename="../../story/yoko_and_ada.cpp" line="60"/>
            <source>夜子「昼間はずっと、カーテンを閉めた部屋の中」</source>
            <translation>Yoko: All day long, I stayed in a room with the curtains drawn.</translation>
        </message>
        <message>
            <location filename="../../story/yoko_and_ada.cpp" line="61"/>
            <source>夜子「窓の外の声ばかり聞いてた。笑い声、自転車のベル」</source>
            <translation>Yoko: I only heard the voices outside. Laughter, bicycle bells.</translation>
        </message>
        <message>
            <location filename="../../story/yoko_and_ada.cpp" line="62"/>
            <source>夜子「夜になると、母さんと少しだけ散歩したわ。月がきれいだった」</source>
            <translation>Yoko: At night, Mother and I would take a little walk. The moon was so lovely.</translation>
        </message>
        <message>
            <location filename="../../story/yoko_and_ada.cpp" line="63"/>
            <source>夜子「この体が嫌いだった。取り換えられたらって、毎晩願ってた」</source>
            <translation>Yoko: I hated that body. Every night I wished I could trade it in.</translation>
        </message>
        <message>
            <location filename="../../story/yoko_and_ada.cpp" line="64"/>
            <source>夜子「だから、ここで願いが叶ったときは、うれしくて、うれしくて」</source>
            <translation>Yoko: So when my wish came true here, I was happy, oh so happy.</translation>
        </message>
        <message>
            <location filename="../../story/yoko_and_ada.cpp" line="65"/>
            <source>夜子「……なのに、どうしてかしら。どの体も、わたしじゃないの」</source>
            <translation>Yoko: ...And yet, why is it? None of these bodies is me.</translation>
        </message>
        <message>
            <location filename="../../story/yoko_and_ada.cpp" line="66"/>
            <source>夜子「塔の上のこと、少しわかったの」</source>
            <translation>Yoko: I found out a little about the top of the Tower.</translation>
        </message>
        <message>
            <location filename="../../story/yoko_and_ada.cpp" line="67"/>
            <source>夜子「てっぺんの先に、管理者達の間っていう場所があるんですって」</source>
            <translation>Yoko: Past the very top, there's a place they call the High Hall.</translation>
        </message>
        <message>
            <location filename="../../story/yoko_and_ada.cpp" line="68"/>
            <source>夜子「そこで、この世界の魂はみんな量られて、記されてるって」</source>
            <translation>Yoko: There, they say, every soul in this world is weighed and recorded.</translation>
        </message>
        <message>
            <location filename="../../story/yoko_and_ada.cpp" line="69"/>
            <source>夜子「わたしの本当の体のことも、そこに書いてあるかもしれない」</source>
            <translation>Yoko: My true body might be written down there too.</translation>
        </message>
        <message>
            <location filename="../../story/yoko_and_ada.cpp" line="70"/>
            <source>夜子「でも、少し怖いの。見つけたら、返さなきゃいけない気がして」</source>
            <translation>Yoko: But I'm a little scared. If I find it, I feel I'll have to give them back.</translation>
        </message>
        <message>
            <location filename="../../story/yoko_and_ada.cpp" line="71"/>
            <source>夜子「……借りてきた体たちを、ね」</source>
            <translation>Yoko: ...All the bodies I borrowed, I mean.</translation>
        </message>
        <message>
            <location filename="../../story/yoko_and_ada.cpp" line="72"/>
            <source>夜子「決めたわ。取り換えるのは、もうおしまい」</source>
            <translation>Yoko: I've decided. No more swapping.</translation>
        </message>
        <message>
            <location filename="../../story/yoko_and_ada.cpp" line="73"/>
            <source>夜子「焼けてもいい。夜しか歩けなくてもいい。あれが、わたしだもの」</source>
            <translation>Yoko: Let it burn. Let me walk only by night. That was me, after all.</translation>
        </message>
        <message>
            <location filename="../../story/yoko_and_ada.cpp" line="74"/>
            <source>夜子「見て。……ほら、これがわたしの、本当の形よ」</source>
            <translation>Yoko: Look. ...See? This is my true shape.</translation>
        </message>
        <message>
            <location filename="../../story/yoko_and_ada.cpp" line="75"/>
            <source>夜子「この体で見る月が、やっぱり一番きれいね」</source>
            <translation>Yoko: The moon is loveliest through these eyes, after all.</translation>
        </message>
        <message>
            <location filename="../../story/yoko_and_ada.cpp" line="86"/>
            <source>エイダ「あっ!!お客さん？エイダと遊んでくれるの？」</source>
            <translation>Ada: Oh!! A visitor? Will you play with Ada?</translation>
        </message>
        <message>
            <location filename="../../story/yoko_and_ada.cpp" line="87"/>
            <source>エイダ「$っていうの？エイダ、ちゃんとおぼえたよ!!」</source>
            <translation>Ada: You're $? Ada's got it memorized!!</translation>
        </message>
        <message>
            <location filename="../../story/yoko_and_ada.cpp" line="88"/>
            <source>エイダ「この子？うさくまちゃんっていうの」</source>
            <translation>Ada: This one? Her name's Bunbear.</translation>
        </message>
        <message>
            <location filename="../../story/yoko_and_ada.cpp" line="89"/>
            <source>エイダ「うさぎか、くまか、わかんないの。本人もわかんないんだって」</source>
            <translation>Ada: Is she a bunny, or a bear? Ada doesn't know. She doesn't either!</translation>
        </message>
        <message>
            <location filename="../../story/yoko_and_ada.cpp" line="90"/>
            <source>エイダ「ときどき、ひとりでおうちに帰っちゃうんだよ」</source>
            <translation>Ada: Sometimes she goes home all by herself.</translation>
        </message>
        <message>
            <location filename="../../story/yoko_and_ada.cpp" line="91"/>
            <source>エイダ「おうちはね、地図のどこかに、たまーに出てくるの」</source>
            <translation>Ada: Her home pops up somewhere on the map, once in a while.</translation>
        </message>
        <message>
            <location filename="../../story/yoko_and_ada.cpp" line="92"/>
            <source>エイダ「エイダね、ずっとここにいるの。門番なんだって」</source>
            <translation>Ada: Ada's always been here. Ada's the gatekeeper, they said.</translation>
        </message>
        <message>
            <location filename="../../story/yoko_and_ada.cpp" line="93"/>
            <source>エイダ「えらい人たちが決めたの。会ったこと、ないけど」</source>
            <translation>Ada: The important people decided. Ada's never met them, though.</translation>
        </message>
        <message>
            <location filename="../../story/yoko_and_ada.cpp" line="94"/>
            <source>エイダ「みんな門を通ってっちゃう。エイダは、通れないの」</source>
            <translation>Ada: Everyone goes through the gate. Ada can't.</translation>
        </message>
        <message>
            <location filename="../../story/yoko_and_ada.cpp" line="95"/>
            <source>エイダ「……ねえ。門を通るときは、ちゃんとバイバイしてね」</source>
            <translation>Ada: ...Hey. When you go through the gate, say bye-bye, okay?</translation>
        </message>
        <message>
            <location filename="../../story/yoko_and_ada.cpp" line="96"/>
            <source>エイダ「うさくまちゃんと、門の前で待ってるね!!」</source>
            <translation>Ada: Ada and Bunbear will wait for you at the gate!!</translation>
        </message>
        <message>
            <location filename="../../battle/battle.cpp" line="48"/>
            <location filename="../../battle/battle.cpp" line="134"/>
            <source>[クリティカル]</source>
            <translation>[Critical]</translation>
        </message>
        <message>
            <location filename="../../battle/battle.cpp" line="52"/>
            <source>[聖なるカルマ]</source>
            <translation>[Holy Karma]</translation>
        </message>
        <message>
            <location filename="../../battle/battle.cpp" line="56"/>
            <location filename="../../battle/battle.cpp" line="138"/>
            <source>[ガード]</source>
            <translation>[Guard]</translation>
        </message>
        <message>
            <location filename="../../battle/battle.cpp" line="63"/>
            <source>%1ダメージくらった....</source>
            <translation>Took %1 damage....</translation>
        </message>
        <message>
            <location filename="../../battle/battle.cpp" line="90"/>
            <source>魂を %1吸われてしまった....!!</source>
            <translation>%1 Soul was drained away....!!</translation>
        </message>
        <message>
            <location filename="../../battle/battle.cpp" line="94"/>
            <source>聖なる力によって、死のエネルギーを %1消滅させられた....!!</source>
            <translation>Holy power wiped out %1 Death Energy....!!</translation>
        </message>
        <message>
            <location filename="../../battle/battle.cpp" line="98"/>
            <source>敵はＭ法を唱えた 魂半減</source>
            <translation>The enemy cast M-Magic. Soul halved</translation>
        </message>
        <message>
            <location filename="../../battle/battle.cpp" line="102"/>
            <source>敵は聖なる呪文を唱えた 【信】化</source>
            <translation>The enemy chanted a holy spell. [Fth]</translation>
        </message>
        <message>
            <location filename="../../battle/battle.cpp" line="106"/>
            <source>敵は毒液を吐き出した!! 【毒】化</source>
            <translation>The enemy spat venom!! [Psn]</translation>
        </message>
        <message>
            <location filename="../../battle/battle.cpp" line="126"/>
            <source>[魂の剣の解放]</source>
            <translation>[Soul Sword Unleashed]</translation>
        </message>
        <message>
            <location filename="../../battle/battle.cpp" line="130"/>
            <source>[暗黒のカルマ]</source>
            <translation>[Dark Karma]</translation>
        </message>
        <message>
            <location filename="../../battle/battle.cpp" line="147"/>
            <source>%1ダメージ与えた</source>
            <translation>Dealt %1 damage</translation>
        </message>
        <message>
            <location filename="../../battle/defeat.cpp" line="77"/>
            <source>%1は死んでしまった....</source>
            <translation>%1 has died....</translation>
        </message>
        <message>
            <location filename="../../battle/defeat.cpp" line="85"/>
            <source>死のエネルギーを 100ロストした....</source>
            <translation>Lost 100 Death Energy....</translation>
        </message>
        <message>
            <location filename="../../battle/defeat.cpp" line="89"/>
            <source>最大魂が 1減少してしまった....</source>
            <translation>Max Soul dropped by 1....</translation>
        </message>
        <message>
            <location filename="../../battle/defeat.cpp" line="93"/>
            <source>50Km戻された....</source>
            <translation>Sent back 50Km....</translation>
        </message>
        <message>
            <location filename="../../battle/defeat.cpp" line="126"/>
            <source>姿を消した....</source>
            <translation>It vanished....</translation>
        </message>
        <message>
            <location filename="../../battle/defeat.cpp" line="131"/>
            <source>姿を消した....&#xd;記憶が %1増えた</source>
            <translation>It vanished....&#xd;Memory +%1</translation>
        </message>
        <message>
            <location filename="../../battle/defeat.cpp" line="140"/>
            <source>%1は成長した!!</source>
            <translation>%1 grew!!</translation>
        </message>
        <message>
            <location filename="../../battle/defeat.cpp" line="155"/>
            <source>【%1】を入手した!!</source>
            <translation>Got [%1]!!</translation>
        </message>
        <message>
            <location filename="../../battle/defeat.cpp" line="168"/>
            <source>死のエネルギーが %1増えた</source>
            <translation>Death Energy +%1</translation>
        </message>
        <message>
            <location filename="../../battle/defeat.cpp" line="217"/>
            <source>死のエネルギーが底を付いてしまった....</source>
            <translation>Your Death Energy has run dry....</translation>
        </message>
        <message>
            <location filename="../../battle/defeat.cpp" line="219"/>
            <source>こうなっては、魂の悪あがきもここまでだろう</source>
            <translation>With this, the soul's desperate struggle must end.</translation>
        </message>
        <message>
            <location filename="../../battle/defeat.cpp" line="221"/>
            <source>～貴方という瞬きは停止した～</source>
            <translation>~The flicker that was you stopped~</translation>
        </message>
        <message>
            <location filename="../../battle/defeat.cpp" line="223"/>
            <source>ＧＡＭＥ　ＯＶＥＲ</source>
            <translation>GAME OVER</translation>
        </message>
        <message>
            <location filename="../../battle/levelup.cpp" line="45"/>
            <source>魂の大きさが 3成長した!!</source>
            <translation>Max Soul grew by 3!!</translation>
        </message>
        <message>
            <location filename="../../battle/levelup.cpp" line="53"/>
            <source>死のエネルギーが 100回復した!!</source>
            <translation>Recovered 100 Death Energy!!</translation>
        </message>
        <message>
            <location filename="../../battle/levelup.cpp" line="60"/>
            <source>個体スコアを手に入れた!!</source>
            <translation>You earned Score!!</translation>
        </message>
        <message>
            <location filename="../../battle/search.cpp" line="69"/>
            <source>魂が %1回復した!!</source>
            <translation>Recovered %1 Soul!!</translation>
        </message>
        <message>
            <location filename="../../battle/search.cpp" line="76"/>
            <source>最大魂が 1増えた!!</source>
            <translation>Max Soul +1!!</translation>
        </message>
        <message>
            <location filename="../../battle/search.cpp" line="80"/>
            <source>破片で怪我を負った....魂 -1</source>
            <translation>Cut yourself on a shard.... Soul -1</translation>
        </message>
        <message>
            <location filename="../../battle/search.cpp" line="87"/>
            <source>カラだった...</source>
            <translation>It was empty...</translation>
        </message>
        <message>
            <location filename="../../battle/search.cpp" line="98"/>
            <source>木を切り倒した!!</source>
            <translation>You cut down the tree!!</translation>
        </message>
        <message>
            <location filename="../../battle/search.cpp" line="102"/>
            <source>時の欠片だ!!....死のエネルギーが 10増えた</source>
            <translation>A Time Shard!!....Death Energy +10</translation>
        </message>
        <message>
            <location filename="../../battle/search.cpp" line="106"/>
            <source>かぐや姫だ!!</source>
            <translation>It's Princess Kaguya!!</translation>
        </message>
        <message>
            <location filename="../../battle/search.cpp" line="111"/>
            <source>剣の歯が欠けてしまった....剣△ -1</source>
            <translation>Your blade chipped....Sword△ -1</translation>
        </message>
        <message>
            <location filename="../../battle/search.cpp" line="115"/>
            <source>木は切れなかった....</source>
            <translation>The tree wouldn't fall....</translation>
        </message>
        <message>
            <location filename="../../battle/search.cpp" line="119"/>
            <source>剣が成長した!!....剣△ +1</source>
            <translation>Your sword grew!!....Sword△ +1</translation>
        </message>
        <message>
            <location filename="../../battle/search.cpp" line="133"/>
            <source>『%1』を骸の中から発見した!!</source>
            <translation>Found [%1] in the remains!!</translation>
        </message>
        <message>
            <location filename="../../battle/search.cpp" line="139"/>
            <source>只ならぬ妖気が辺りに立ちこめた</source>
            <translation>An uncanny aura fills the air</translation>
        </message>
        <message>
            <location filename="../../battle/search.cpp" line="142"/>
            <source>妖気を吸収し、死のエネルギーを +10した</source>
            <translation>Absorbed the aura. Death Energy +10</translation>
        </message>
        <message>
            <location filename="../../battle/search.cpp" line="145"/>
            <source>死のエネルギーを 20ロストした</source>
            <translation>Lost 20 Death Energy</translation>
        </message>
        <message>
            <location filename="../../battle/search.cpp" line="148"/>
            <source>死のエネルギーを 10ロストした</source>
            <translation>Lost 10 Death Energy</translation>
        </message>
        <message>
            <location filename="../../battle/search.cpp" line="163"/>
            <source>『%1』を拾った!!</source>
            <translation>Picked up [%1]!!</translation>
        </message>
        <message>
            <location filename="../../battle/search.cpp" line="165"/>
            <source>爆弾だった....!! 魂半減</source>
            <translation>It was a bomb....!! Soul halved</translation>
        </message>
        <message>
            <location filename="../../battle/search.cpp" line="168"/>
            <source>『石っころ』を拾った</source>
            <translation>Picked up [Pebble]</translation>
        </message>
        <message>
            <location filename="../../battle/search.cpp" line="182"/>
            <source>特殊な躯のようだ。この躯を開くにはカギが必要らしい....</source>
            <translation>These remains seem special. You'll need a key to open them....</translation>
        </message>
        <message>
            <location filename="../../battle/search.cpp" line="190"/>
            <source>カギを1つ使用して、『%1』を 3つ発見した!!</source>
            <translation>Used 1 key and found 3 [%1]!!</translation>
        </message>
        <message>
            <location filename="../../battle/search.cpp" line="227"/>
            <location filename="../../battle/search.cpp" line="237"/>
            <location filename="../../battle/search.cpp" line="252"/>
            <source>パン！</source>
            <translation>Pan!</translation>
        </message>
        <message>
            <location filename="../../battle/search.cpp" line="227"/>
            <source>パン！が現れた</source>
            <translation>Pan! appeared</translation>
        </message>
        <message>
            <location filename="../../battle/search.cpp" line="232"/>
            <location filename="../../battle/search.cpp" line="244"/>
            <location filename="../../battle/search.cpp" line="258"/>
            <source>バン！</source>
            <translation>Bang!</translation>
        </message>
        <message>
            <location filename="../../battle/search.cpp" line="232"/>
            <source>バン！が現れた</source>
            <translation>Bang! appeared</translation>
        </message>
        <message>
            <location filename="../../battle/search.cpp" line="237"/>
            <source>パン！「疲れただろう、こうしてやるさ」</source>
            <translation>Pan!: You look tired. Let me help.</translation>
        </message>
        <message>
            <location filename="../../battle/search.cpp" line="239"/>
            <source>【癒】状態になった!!</source>
            <translation>You're now [Hl]!!</translation>
        </message>
        <message>
            <location filename="../../battle/search.cpp" line="244"/>
            <source>バン！「よくも割ったね！！こうしてやるよ」</source>
            <translation>Bang!: You cracked me!! Take this!</translation>
        </message>
        <message>
            <location filename="../../battle/search.cpp" line="246"/>
            <source>【怨】状態になった!!</source>
            <translation>You're now [Grd]!!</translation>
        </message>
        <message>
            <location filename="../../battle/search.cpp" line="252"/>
            <source>パン！「こっから出してやろうか？」</source>
            <translation>Pan!: Want me to get you out of here?</translation>
        </message>
        <message>
            <location filename="../../battle/search.cpp" line="258"/>
            <source>バン！「寒いからすぐに閉じて!!」</source>
            <translation>Bang!: It's cold, close it right now!!</translation>
        </message>
        <message>
            <location filename="../../battle/search.cpp" line="270"/>
            <source>刻印の温度が下がった</source>
            <translation>The seal mark cooled down</translation>
        </message>
        <message>
            <location filename="../../battle/search.cpp" line="280"/>
            <source>時の欠片は砕けてしまった....</source>
            <translation>The Time Shard crumbled....</translation>
        </message>
        <message>
            <location filename="../../battle/search.cpp" line="287"/>
            <source>無属性霊体</source>
            <translation>Neutral Spirit</translation>
        </message>
        <message>
            <location filename="../../battle/search.cpp" line="287"/>
            <source>無属性霊体が現れた</source>
            <translation>A Neutral Spirit appeared</translation>
        </message>
        <message>
            <location filename="../../battle/search.cpp" line="297"/>
            <source>金貨に潜む精霊</source>
            <translation>The spirit hiding in the coin</translation>
        </message>
        <message>
            <location filename="../../battle/search.cpp" line="297"/>
            <source>金貨の精、魔人フーガが現れた</source>
            <translation>Fugue, demon of the coin, appeared</translation>
        </message>
        <message>
            <location filename="../../battle/search.cpp" line="331"/>
            <source>だれもいない....</source>
            <translation>No one here....</translation>
        </message>
        <message>
            <location filename="../../battle/search.cpp" line="339"/>
            <source>次元の狭間にいきる生命体</source>
            <translation>A being living between dimensions</translation>
        </message>
        <message>
            <location filename="../../battle/search.cpp" line="341"/>
            <source>次元が割れ、妖魔オルフが現れた!!</source>
            <translation>Space split! Orf the Fiend appeared!!</translation>
        </message>
        <message>
            <location filename="../../items/inventory.cpp" line="44"/>
            <source>なにも起きずに砕けた</source>
            <translation>Nothing happened. It crumbled.</translation>
        </message>
        <message>
            <location filename="../../items/inventory.cpp" line="54"/>
            <source>%1 &gt; %2個&#xd;</source>
            <translation>%1 &gt; x%2&#xd;</translation>
        </message>
        <message>
            <location filename="../../items/inventory.cpp" line="56"/>
            <source>売価:金貨 %1枚&#xd;</source>
            <translation>Sells for: %1 gold&#xd;</translation>
        </message>
        <message>
            <location filename="../../items/inventory.cpp" line="100"/>
            <location filename="../../items/inventory.cpp" line="214"/>
            <source>魂が%1回復した</source>
            <translation>Soul restored by %1</translation>
        </message>
        <message>
            <location filename="../../items/inventory.cpp" line="105"/>
            <source>最大魂が%1増えた</source>
            <translation>Max Soul +%1</translation>
        </message>
        <message>
            <location filename="../../items/inventory.cpp" line="109"/>
            <source>魂の剣が%1増えた</source>
            <translation>Soul Sword +%1</translation>
        </message>
        <message>
            <location filename="../../items/inventory.cpp" line="113"/>
            <source>意識が%1増えた</source>
            <translation>Mind +%1</translation>
        </message>
        <message>
            <location filename="../../items/inventory.cpp" line="117"/>
            <source>記憶が%1増えた</source>
            <translation>Memory +%1</translation>
        </message>
        <message>
            <location filename="../../items/inventory.cpp" line="125"/>
            <source>距離が%1進んだ</source>
            <translation>Advanced %1 Km</translation>
        </message>
        <message>
            <location filename="../../items/inventory.cpp" line="148"/>
            <source>敵に%1ダメージ与えた!!</source>
            <translation>Dealt %1 damage!!</translation>
        </message>
        <message>
            <location filename="../../items/inventory.cpp" line="154"/>
            <source>死のエネルギーが%1回復した</source>
            <translation>Death Energy restored by %1</translation>
        </message>
        <message>
            <location filename="../../items/inventory.cpp" line="159"/>
            <source>天より認められ、個体スコアが%1上昇した</source>
            <translation>Heaven approves: Score +%1</translation>
        </message>
        <message>
            <location filename="../../items/inventory.cpp" line="163"/>
            <source>魂の鎧が%1増えた</source>
            <translation>Soul Armor +%1</translation>
        </message>
        <message>
            <location filename="../../items/inventory.cpp" line="168"/>
            <source>金貨が %1増えた</source>
            <translation>Gold +%1</translation>
        </message>
        <message>
            <location filename="../../items/inventory.cpp" line="173"/>
            <source>魂に変調が....カルマ %1</source>
            <translation>Your soul shifts.... Karma %1</translation>
        </message>
        <message>
            <location filename="../../items/inventory.cpp" line="178"/>
            <source>魂の剣が 1下がり、死のエネルギーが %1上昇した!!</source>
            <translation>Soul Sword -1, Death Energy +%1!!</translation>
        </message>
        <message>
            <location filename="../../items/inventory.cpp" line="183"/>
            <source>魂の鎧が 1下がり、死のエネルギーが %1上昇した!!</source>
            <translation>Soul Armor -1, Death Energy +%1!!</translation>
        </message>
        <message>
            <location filename="../../items/inventory.cpp" line="188"/>
            <source>死のエネルギーが %1減少し、魂が %2回復した!!</source>
            <translation>Death Energy -%1, Soul restored by %2!!</translation>
        </message>
        <message>
            <location filename="../../items/inventory.cpp" line="193"/>
            <source>死のエネルギーが %1減少し、魂の剣が 1上昇した!!</source>
            <translation>Death Energy -%1, Soul Sword +1!!</translation>
        </message>
        <message>
            <location filename="../../items/inventory.cpp" line="201"/>
            <source>何も起こらずアイテムは朽ち果てた....</source>
            <translation>Nothing happened. The item rotted away....</translation>
        </message>
        <message>
            <location filename="../../items/inventory.cpp" line="205"/>
            <source>この冥界全体が暗黒面に傾いたようだ....</source>
            <translation>The whole Underworld seems to tilt toward darkness....</translation>
        </message>
        <message>
            <location filename="../../items/inventory.cpp" line="206"/>
            <source>この冥界全体が神聖面に傾いたようだ....</source>
            <translation>The whole Underworld seems to tilt toward the light....</translation>
        </message>
        <message>
            <location filename="../../items/inventory.cpp" line="214"/>
            <source>魂が%1減少した</source>
            <translation>Soul reduced by %1</translation>
        </message>
        <message>
            <location filename="../../items/inventory.cpp" line="220"/>
            <source>死のエネルギーが %1回復した</source>
            <translation>Death Energy restored by %1</translation>
        </message>
        <message>
            <location filename="../../items/inventory.cpp" line="225"/>
            <source>魂が %1回復した</source>
            <translation>Soul restored by %1</translation>
        </message>
        <message>
            <location filename="../../items/inventory.cpp" line="228"/>
            <source>何も起こらずアイテムは砕けた....</source>
            <translation>Nothing happened. The item shattered....</translation>
        </message>
        <message>
            <location filename="../../items/inventory.cpp" line="234"/>
            <source>敵に%1ダメージ与え、死のエネルギーを %2ロストした</source>
            <translation>Dealt %1 damage, lost %2 Death Energy</translation>
        </message>
        <message>
            <location filename="../../items/inventory.cpp" line="242"/>
            <source>最大魂、魂の剣、魂の鎧が全て %1ずつ増えた</source>
            <translation>Max Soul, Soul Sword and Soul Armor all +%1</translation>
        </message>
        <message>
            <location filename="../../items/inventory.cpp" line="247"/>
            <source>魂の剣の力が一時的に解放された....!!</source>
            <translation>The Soul Sword's power is unleashed for a time....!!</translation>
        </message>
        <message>
            <location filename="../../items/inventory.cpp" line="251"/>
            <source>【癒】化した....!!</source>
            <translation>You became [Hl]....!!</translation>
        </message>
        <message>
            <location filename="../../items/inventory.cpp" line="255"/>
            <source>【毒】化した....!!</source>
            <translation>You became [Psn]....!!</translation>
        </message>
        <message>
            <location filename="../../items/inventory.cpp" line="259"/>
            <source>【信】化した....!!</source>
            <translation>You became [Fth]....!!</translation>
        </message>
        <message>
            <location filename="../../items/inventory.cpp" line="263"/>
            <source>【怨】化した....!!</source>
            <translation>You became [Grd]....!!</translation>
        </message>
        <message>
            <location filename="../../items/inventory.cpp" line="270"/>
            <source>敵に%1ダメージ与え、金貨を全てロストした</source>
            <translation>Dealt %1 damage, lost all your gold</translation>
        </message>
        <message>
            <location filename="../../items/inventory.cpp" line="278"/>
            <source>敵に%1ダメージ与え、記憶を全てロストした</source>
            <translation>Dealt %1 damage, lost all your Memory</translation>
        </message>
        <message>
            <location filename="../../items/inventory.cpp" line="285"/>
            <location filename="../../items/inventory.cpp" line="293"/>
            <source>敵に%1ダメージ与えた</source>
            <translation>Dealt %1 damage</translation>
        </message>
        <message>
            <location filename="../../items/shop.cpp" line="41"/>
            <source>価格 &gt; 金貨 %1枚</source>
            <translation>Price &gt; %1 gold</translation>
        </message>
        <message>
            <location filename="../../items/shop.cpp" line="41"/>
            <source>価格 &gt; 封印金貨 1枚</source>
            <translation>Price &gt; 1 Sealed Coin</translation>
        </message>
        <message>
            <location filename="../../items/shop.cpp" line="42"/>
            <source>所持 &gt; %1個&#xd;</source>
            <translation>Held &gt; %1&#xd;</translation>
        </message>
        <message>
            <location filename="../../items/shop.cpp" line="133"/>
            <source>またどこかで・・・</source>
            <translation>Until we meet again...</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="1"/>
            <source>魂のかけら</source>
            <translation>Soul Shard</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="2"/>
            <source>誰かの魂からこぼれた小さなかけら。まだほんのり温かい。魂が少しだけ癒える</source>
            <translation>A shard spilled from someone's soul, still faintly warm. Heals a little Soul.</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="5"/>
            <source>死の砂</source>
            <translation>Death Sand</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="6"/>
            <source>冥界の砂時計からこぼれた砂。握りしめると、さらさらと死のエネルギーに変わる</source>
            <translation>Sand spilled from the Underworld's hourglass. Squeeze it and it sifts into Death Energy.</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="9"/>
            <source>涙のしずく</source>
            <translation>Teardrop</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="10"/>
            <source>流しそびれた涙のひとしずく。飲めば魂が癒え、心がほんの少し澄む</source>
            <translation>A tear you never got to shed. Drink it: Soul heals, and Karma clears a little.</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="13"/>
            <source>修練の木刀</source>
            <translation>Wooden Sword</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="14"/>
            <source>試練城の見習いが毎日振っている木刀。手に馴染めば魂の剣がひとつ鋭くなる</source>
            <translation>Trial Castle's trainee swings it every day. Once it fits your hand, Soul Sword +1.</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="17"/>
            <source>魔女の黒飴</source>
            <translation>Witch's Candy</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="18"/>
            <source>魔女がくれる真っ黒な飴。甘くて、苦い。なめると魂が少し黒く染まる</source>
            <translation>A pitch-black candy from the Witch. Sweet, and bitter. It stains your soul dark: Karma -3.</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="21"/>
            <source>天秤の羽根</source>
            <translation>Toto's Feather</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="22"/>
            <source>トトの天秤に載っていた真っ白な羽根。手放せば冥界が神聖面へ傾くという</source>
            <translation>A pure white feather from Toto's scales. Let it go, they say, and the Underworld tilts holy.</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="25"/>
            <source>ぬくもりの灯</source>
            <translation>Warm Glow</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="26"/>
            <source>消えかけた誰かの命の灯。手をかざすと、魂がじんわり癒えていく</source>
            <translation>The fading light of someone's life. Hold your hands to it and your Soul slowly heals.</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="29"/>
            <source>癒しの綿毛</source>
            <translation>Healing Fluff</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="30"/>
            <source>パン！の体から抜けた綿毛。ふわふわに包まれて【癒】の状態になる</source>
            <translation>Fluff shed from Pan!'s body. Wrapped in its softness, you gain [Hl].</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="33"/>
            <source>古びた日記</source>
            <translation>Old Diary</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="34"/>
            <source>生きていた頃の誰かの日記。読めば記憶が増える。他人の記憶だけれど</source>
            <translation>A diary from someone's life. Reading it adds to your Memory. Someone else's, but still.</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="37"/>
            <source>冥界の砂時計</source>
            <translation>Hourglass</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="38"/>
            <source>ひっくり返すと死のエネルギーが溜まる砂時計。時間は戻らないけれど</source>
            <translation>Turn it over and Death Energy gathers. Time itself won't flow back, though.</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="41"/>
            <source>手作りのお守り</source>
            <translation>Handmade Charm</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="42"/>
            <source>ジユウが夜なべして縫ったお守り。縫い目は不格好でも、魂の器がふたまわり広がる</source>
            <translation>Jiyu sewed it up all night. The stitches are clumsy, but your Max Soul grows by 2.</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="45"/>
            <source>錆びた鎧片</source>
            <translation>Rusty Plate</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="46"/>
            <source>誰かの鎧のひとかけら。錆びていても、魂の鎧をひとつ固くしてくれる</source>
            <translation>A piece of someone's armor. Rusty as it is, it toughens your Soul Armor by 1.</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="49"/>
            <source>魂の結晶</source>
            <translation>Soul Crystal</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="50"/>
            <source>磨かれた魂が結晶したもの。魂の大きさ、剣、鎧が全てひとつずつ増す</source>
            <translation>A polished soul, crystallized. Max Soul, Soul Sword and Soul Armor all +1.</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="53"/>
            <source>帰り道の灯</source>
            <translation>Homeward Lamp</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="54"/>
            <source>地上へは帰れないが、地図の上には帰れる灯。審判を越えた魂にだけ道を照らす</source>
            <translation>Not home to the living, but back to the map. It lights the way only for souls past Doomgate.</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="57"/>
            <source>月夜の鈴</source>
            <translation>Moonlit Bell</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="58"/>
            <source>夜子が身につけていた鈴。チリンと鳴らせば、次の一撃で魂の剣が解き放たれる</source>
            <translation>A bell Yoko used to wear. Ring it, and your next blow unleashes your Soul Sword.</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="61"/>
            <source>韋駄天の草履</source>
            <translation>Swift Sandals</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="62"/>
            <source>履けば10Km先までひとっ飛び。戦いの最中は履いている暇がない</source>
            <translation>Slip them on and bound 10Km ahead. No time to put them on mid-battle.</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="65"/>
            <source>血の契約書</source>
            <translation>Blood Contract</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="66"/>
            <source>死のエネルギー30と引き換えに、魂の剣をひとつ鍛える契約書。サインは血で</source>
            <translation>Trade 30 Death Energy to temper your Soul Sword by 1. Sign in blood.</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="69"/>
            <source>白い包帯</source>
            <translation>White Bandage</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="70"/>
            <source>冥界の診療所で配っている包帯。魂の傷に巻くと、ちょっとだけ楽になる</source>
            <translation>Handed out at the Underworld's clinic. Wrap a wounded soul and it hurts a bit less.</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="73"/>
            <source>凍えた黒玉</source>
            <translation>Frozen Orb</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="74"/>
            <source>バン！が寒がって抱えていた黒い玉。割れば冥界が暗黒面へ傾くという</source>
            <translation>Bang! hugged this black orb for warmth. Break it and the Underworld tilts dark, they say.</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="77"/>
            <source>孤独の欠片</source>
            <translation>Lonely Shard</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="78"/>
            <source>クグワ「孤独」の落とし物。闇に寄り添う魂はそっと癒され、光の魂はかえって傷つく</source>
            <translation>Left by the Kuguwa of Loneliness. It soothes souls near darkness, but wounds souls of light.</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="81"/>
            <source>妬みの棘</source>
            <translation>Envy Thorn</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="82"/>
            <source>クグワ「妬み」の棘。刺さると【怨】の状態になり、歩くたび死のエネルギーが湧く</source>
            <translation>A thorn of the Kuguwa of Envy. Its prick gives [Grd]: Death Energy wells up with each step.</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="85"/>
            <source>絶望の澱</source>
            <translation>Despair Dregs</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="86"/>
            <source>クグワ「絶望」の底に溜まった澱。剣の力と引き換えに、死のエネルギーを汲み出す</source>
            <translation>Dregs settled deep in the Kuguwa of Despair. Trades Sword power for Death Energy.</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="89"/>
            <source>苦い薬草</source>
            <translation>Bitter Herb</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="90"/>
            <source>死のエネルギーを煎じて飲む薬草。とても苦い。そのぶん魂が癒える</source>
            <translation>Brew it with Death Energy and drink. Terribly bitter, but it heals your Soul.</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="93"/>
            <source>ひび割れた手鏡</source>
            <translation>Cracked Mirror</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="94"/>
            <source>覗いても何も映らない手鏡。ここでは誰も、自分の顔を覚えていない</source>
            <translation>A hand mirror that shows nothing. Here, no one remembers their own face.</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="97"/>
            <source>聖なる水</source>
            <translation>Holy Water</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="98"/>
            <source>清らかな魂には薬に、濁った魂には毒になる水。自分の胸に聞いてから飲むこと</source>
            <translation>Medicine to a pure soul, poison to a clouded one. Ask your heart before you drink.</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="101"/>
            <source>かぐや姫</source>
            <translation>Princess Kaguya</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="102"/>
            <source>木の中で眠っていた小さなお姫様。月へ帰るまで、魂の器を大きく広げてくれる</source>
            <translation>A tiny princess who slept in a tree. Until she goes home to the moon, Max Soul +3.</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="105"/>
            <source>黒い蝋燭</source>
            <translation>Black Candle</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="106"/>
            <source>闇の魂には灯りに、光の魂には炎になる蝋燭。火を灯す前によく考えて</source>
            <translation>A lamp to dark souls, a fire to light ones. Think well before you light it.</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="109"/>
            <source>金貨の小袋</source>
            <translation>Coin Pouch</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="110"/>
            <source>金貨が5枚入った小袋。口紐に、知らない誰かの名前が刺繍されている</source>
            <translation>A pouch holding 5 gold. A stranger's name is stitched on its drawstring.</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="113"/>
            <source>記憶の栞</source>
            <translation>Memory Bookmark</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="114"/>
            <source>忘れたくないページに挟まれていた栞。記憶が50よみがえる</source>
            <translation>It marked a page someone never wanted to forget. Restores 50 Memory.</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="117"/>
            <source>毒キノコ</source>
            <translation>Toadstool</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="118"/>
            <source>紫色の毒々しいキノコ。食べれば当然【毒】になる。なぜ食べるのか</source>
            <translation>A lurid purple mushroom. Eat it and you get [Psn], of course. Why would you?</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="121"/>
            <source>祈りの数珠</source>
            <translation>Prayer Beads</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="122"/>
            <source>祈りを強いる数珠。【信】になり、歩くたびに死のエネルギーが削れていく</source>
            <translation>Beads that force you to pray. You gain [Fth], and every step drains Death Energy.</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="125"/>
            <source>魔除けの札</source>
            <translation>Warding Charm</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="126"/>
            <source>闇に属する者にだけ効く札。闇属性の敵に10の痛みを与える</source>
            <translation>A charm only creatures of darkness fear. Deals 10 damage to a dark enemy.</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="129"/>
            <source>破魔の矢</source>
            <translation>Demonbane Arrow</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="130"/>
            <source>魔を破る白羽の矢。闇属性の敵にだけ20の痛みを与える</source>
            <translation>A white-fletched arrow that breaks evil. Deals 20 damage to dark enemies only.</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="133"/>
            <source>穴あき銭</source>
            <translation>Holed Coin</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="134"/>
            <source>真ん中に穴のあいた古い銭。洞穴の番人の好物らしい。使えば金貨に化ける</source>
            <translation>An old coin with a hole in it. The Cave's Keeper loves them, it seems. Use it for gold.</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="137"/>
            <source>悪魔の角笛</source>
            <translation>Devil's Horn</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="138"/>
            <source>聖なる者の耳を裂く角笛。聖属性の敵にだけ10の痛みを与える</source>
            <translation>A horn whose blast splits holy ears. Deals 10 damage to holy enemies only.</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="141"/>
            <source>堕天の羽</source>
            <translation>Fallen Feather</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="142"/>
            <source>天から堕ちた者の黒い羽。聖属性の敵にだけ20の痛みを与える</source>
            <translation>A black feather from one who fell from heaven. Deals 20 damage to holy enemies only.</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="145"/>
            <source>魔界の刻印石</source>
            <translation>Demon Seal Stone</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="146"/>
            <source>魔界との接点から零れ落ちた石。使えば冥界が暗黒面へ傾き、魔王城が姿を見せる</source>
            <translation>A stone fallen from the demon realm. The Underworld tilts dark; Mirage Castle appears.</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="149"/>
            <source>夢見の枕</source>
            <translation>Dream Pillow</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="150"/>
            <source>どこでも眠れるふかふかの枕。頭を載せれば、今の魂の在り方がセーブされる</source>
            <translation>A fluffy pillow to sleep on anywhere. Rest your head on it to save your soul as it is.</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="153"/>
            <source>天界の招待状</source>
            <translation>Heaven's Invite</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="154"/>
            <source>金の縁取りの招待状。開けば冥界が神聖面へ傾き、天界の門柱が姿を見せる</source>
            <translation>An invitation edged in gold. Open it: the Underworld tilts holy and Sky Scales appears.</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="157"/>
            <source>紅き剣の欠片</source>
            <translation>Red Sword Shard</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="158"/>
            <source>レッドソードの剣から欠け落ちた紅い破片。握れば魂の剣がふたつ鋭くなる</source>
            <translation>A crimson chip from Red Sword's own blade. Grip it and your Soul Sword grows 2 sharper.</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="161"/>
            <source>鉄の胸当て</source>
            <translation>Iron Breastplate</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="162"/>
            <source>冥界の鍛冶屋の作。魂にぴったり合わせてあり、魂の鎧がふたつ固くなる</source>
            <translation>Made by the Underworld's smith to fit your soul exactly. Soul Armor +2.</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="165"/>
            <source>魂の器</source>
            <translation>Soul Chalice</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="166"/>
            <source>空っぽの杯。自分の魂を注ぎ直せば、魂の大きさが1広がる</source>
            <translation>An empty cup. Pour your soul into it anew, and your Max Soul grows by 1.</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="169"/>
            <source>死神の鎌</source>
            <translation>Reaper's Scythe</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="170"/>
            <source>死のエネルギーを40吸って振るう大鎌。敵に8の傷を刻む。使いすぎに注意</source>
            <translation>A scythe that drinks 40 Death Energy per swing. Cuts the enemy for 8. Don't overdo it.</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="173"/>
            <source>誰かの骨</source>
            <translation>Someone's Bone</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="174"/>
            <source>誰の骨かは考えない方がいい。戦いの最中に投げつければ5の痛み</source>
            <translation>Better not to wonder whose. Throw it in battle for 5 damage.</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="177"/>
            <source>鬼火</source>
            <translation>Ghostfire</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="178"/>
            <source>青白く燃える鬼火。敵に投げつければ10の火傷を負わせる</source>
            <translation>A pale blue, flickering ghostfire. Throw it at an enemy to burn it for 10 damage.</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="181"/>
            <source>閻魔の朱印</source>
            <translation>Enma's Seal</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="182"/>
            <source>閻魔帳に押される朱印。使えば天に認められ、個体スコアが大きく上がる</source>
            <translation>The red seal stamped in Enma's ledger of the dead. Heaven takes note: your Score soars.</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="185"/>
            <source>思い出の写真</source>
            <translation>Keepsake Photo</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="186"/>
            <source>誰かと笑っている写真。見返せば天に認められ、個体スコアが少し上がる</source>
            <translation>A photo of smiles shared with someone. Heaven takes note: your Score rises a little.</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="189"/>
            <source>マーラーの財布</source>
            <translation>Mahler's Purse</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="190"/>
            <source>シキハキ街の商人マーラーの財布。ずっしり重い。使えば金貨が30枚</source>
            <translation>The purse of Mahler, Shikihaki's merchant. Nice and heavy. Use it for 30 gold.</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="193"/>
            <source>金貨の壺</source>
            <translation>Pot of Gold</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="194"/>
            <source>金貨が10枚沈んだ壺。底をのぞくと、にやけた自分の顔が映る</source>
            <translation>A pot with 10 gold sunk at the bottom. Peer in, and your own grinning face looks back.</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="197"/>
            <source>光る苔</source>
            <translation>Glowing Moss</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="198"/>
            <source>墓石に生える光る苔。食べれば魂が3癒え、カルマがひとつ澄む</source>
            <translation>Glowing moss from the gravestones. Eat it: Soul +3, and Karma clears a notch.</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="201"/>
            <source>意識の種</source>
            <translation>Mind Seed</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="202"/>
            <source>芽吹くと意識がひとつ上がる種。上がったところで偉くなれるわけではない</source>
            <translation>When it sprouts, your Mind goes up by 1. Not that it makes you anyone important.</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="205"/>
            <source>聖者の灰</source>
            <translation>Saint's Ash</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="206"/>
            <source>聖者を焼いた灰。ひとつまみ浴びれば魂が澄み、カルマが3上がる</source>
            <translation>The ashes of a saint. A pinch of it cleanses your soul: Karma +3.</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="209"/>
            <source>罪の果実</source>
            <translation>Fruit of Sin</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="210"/>
            <source>一口かじったら戻れない果実。とても甘い。カルマが5下がる</source>
            <translation>One bite and there's no going back. Oh, so sweet. Karma -5.</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="213"/>
            <source>無垢な羽根</source>
            <translation>Innocent Down</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="214"/>
            <source>生まれたての小鳥の羽。撫でるとカルマがほんの少しだけ上がる</source>
            <translation>A newborn chick's feather. Stroke it and your Karma rises ever so slightly.</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="217"/>
            <source>死者の安酒</source>
            <translation>Dead Man's Grog</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="218"/>
            <source>冥界の酒場の安酒。死のエネルギーが30湧くが、魂が少し濁る</source>
            <translation>Cheap booze from a tavern of the dead. Death Energy +30, but your soul clouds a little.</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="221"/>
            <source>慈悲の花</source>
            <translation>Mercy Flower</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="222"/>
            <source>踏まれても咲く白い花。魂が10癒え、カルマが少し澄む</source>
            <translation>A white flower that blooms even when trampled. Soul +10, and Karma clears a little.</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="225"/>
            <source>折れた剣</source>
            <translation>Broken Sword</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="226"/>
            <source>折れた剣を供養すると、剣の力と引き換えに死のエネルギーが50戻る</source>
            <translation>Lay a broken sword to rest: trade Sword power to get back 50 Death Energy.</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="229"/>
            <source>ひしゃげた盾</source>
            <translation>Crushed Shield</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="230"/>
            <source>潰れた盾を手放すと、鎧の力と引き換えに死のエネルギーが30戻る</source>
            <translation>Give up a crushed shield: trade Armor power to get back 30 Death Energy.</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="233"/>
            <source>古い地図</source>
            <translation>Old Map</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="234"/>
            <source>誰かが歩いた道の地図。近道をたどって20Km先まで一気に進める</source>
            <translation>A map of a road someone once walked. Take its shortcut straight to 20Km ahead.</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="237"/>
            <source>渡し船の切符</source>
            <translation>Ferry Ticket</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="238"/>
            <source>三途の川の渡し船の切符。審判を越えた魂なら、地図の上へ戻れる</source>
            <translation>A ticket for the ferry across the Sanzu River. Souls past Doomgate can return to the map.</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="241"/>
            <source>空っぽの小瓶</source>
            <translation>Empty Vial</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="242"/>
            <source>何も入っていない小瓶。中身はたぶん、誰かの思い出だった</source>
            <translation>A little vial with nothing inside. It probably once held someone's memories.</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="245"/>
            <source>狐の面</source>
            <translation>Fox Mask</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="246"/>
            <source>お祭りの狐の面。かぶっても何も起きないが、少しだけ楽しい</source>
            <translation>A festival fox mask. Wearing it does nothing, but it's a little fun.</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="249"/>
            <source>鋼の護符</source>
            <translation>Steel Amulet</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="250"/>
            <source>鋼を打ち延ばした護符。魂の鎧がみっつ固くなる。少し肩がこる</source>
            <translation>A charm of hammered steel. Soul Armor +3. A bit hard on the shoulders.</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="253"/>
            <source>命の種火</source>
            <translation>Ember of Life</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="254"/>
            <source>小さな小さな種火。胸に灯せば魂の大きさが1広がる</source>
            <translation>A tiny, tiny ember. Kindle it in your heart: Max Soul +1.</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="257"/>
            <source>光の剣</source>
            <translation>Sword of Light</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="258"/>
            <source>天界で鍛えられた光の剣。握れば魂の剣がみっつ鋭くなる</source>
            <translation>A sword of light forged in heaven. Grip it: Soul Sword +3.</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="261"/>
            <source>星屑の塊</source>
            <translation>Stardust Lump</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="262"/>
            <source>夜空の星屑。魂の大きさも剣も鎧もふたつ増す</source>
            <translation>Stardust from the night sky. Max Soul, Soul Sword and Soul Armor +2 each.</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="265"/>
            <source>満月の雫</source>
            <translation>Full Moon Drop</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="266"/>
            <source>満月の夜にだけ落ちる雫。飲めば魂が20癒える</source>
            <translation>A drop that falls only on full-moon nights. Drink it to restore 20 Soul.</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="269"/>
            <source>蘇りの霊薬</source>
            <translation>Revival Elixir</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="270"/>
            <source>死者をもう一度起こすという霊薬。ここでは魂が50癒えるだけ</source>
            <translation>An elixir said to wake the dead. Here, it only restores 50 Soul.</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="273"/>
            <source>解放の太鼓</source>
            <translation>Drum of Release</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="274"/>
            <source>腹に響く太鼓。ドンと叩けば、次の一撃で魂の剣が解き放たれる</source>
            <translation>A drum that booms in your belly. Beat it, and your next blow unleashes the Soul Sword.</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="277"/>
            <source>鎮魂の香</source>
            <translation>Requiem Incense</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="278"/>
            <source>魂を鎮める香。やさしい煙に包まれて【癒】の状態になる</source>
            <translation>Incense that calms the soul. Wrapped in its gentle smoke, you gain [Hl].</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="281"/>
            <source>恨みの藁人形</source>
            <translation>Grudge Doll</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="282"/>
            <source>五寸釘の刺さった藁人形。持てば【怨】の状態になり、恨みが力に変わる</source>
            <translation>A straw doll pierced by a long nail. Hold it to gain [Grd]: spite turns to power.</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="285"/>
            <source>腐った林檎</source>
            <translation>Rotten Apple</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="286"/>
            <source>かつては赤かった林檎。かじれば【毒】になる。こんな所にも落ちている</source>
            <translation>An apple that was red once. One bite gives you [Psn]. They turn up even here.</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="289"/>
            <source>圧力の重石</source>
            <translation>Pressure Stone</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="290"/>
            <source>クグワ「圧力」がのしかかってきた重石。鎧を削って死のエネルギーを40絞り出す</source>
            <translation>The weight the Kuguwa of Pressure bore down with. Armor -1 squeezes out 40 Death Energy.</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="293"/>
            <source>聖職者の十字架</source>
            <translation>Priest's Cross</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="294"/>
            <source>重たい十字架。背負えば【信】になり、歩くたび死のエネルギーが削れる</source>
            <translation>A heavy cross. Bear it to gain [Fth], but every step wears away Death Energy.</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="297"/>
            <source>ブタの貯金箱</source>
            <translation>Piggy Bank</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="298"/>
            <source>割れば全財産が弾丸になる。持っている金貨を全て敵にぶつける</source>
            <translation>Smash it and your savings become bullets: all your gold is hurled at the enemy.</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="301"/>
            <source>忘却の鈴</source>
            <translation>Bell of Oblivion</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="302"/>
            <source>鳴らすと記憶が消え、消えた記憶が敵を打つ。何を忘れたかも忘れる</source>
            <translation>Ring it: all your Memory fades and strikes the enemy. You forget what you forgot.</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="305"/>
            <source>傷だらけの鏡</source>
            <translation>Scarred Mirror</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="306"/>
            <source>自分の傷を映して返す鏡。失った魂の分だけ敵を傷つける</source>
            <translation>A mirror that casts your wounds back. Hurts the enemy as much as the Soul you've lost.</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="309"/>
            <source>呪いの釘</source>
            <translation>Cursed Nail</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="310"/>
            <source>死のエネルギーを25注いで打ち込む釘。敵に5の傷を刻む</source>
            <translation>A nail driven in with 25 Death Energy. It carves 5 damage into the enemy.</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="313"/>
            <source>命のろうそく</source>
            <translation>Life Candle</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="314"/>
            <source>誰かの寿命だったろうそく。火を灯せば死のエネルギーが20溜まる</source>
            <translation>A candle that was once someone's lifespan. Light it: Death Energy +20.</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="317"/>
            <source>冥界饅頭</source>
            <translation>Underworld Bun</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="318"/>
            <source>冥界名物のおまんじゅう。あんこがやさしく甘い。魂が10回復する</source>
            <translation>The Underworld's famous sweet bun, with gentle bean paste. Restores 10 Soul.</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="321"/>
            <source>三途の小石</source>
            <translation>Sanzu Pebble</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="322"/>
            <source>三途の川原に積まれていた小石。握れば死のエネルギーが5溜まる</source>
            <translation>A pebble from the cairns on the banks of the Sanzu. Grip it: Death Energy +5.</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="325"/>
            <source>反魂香</source>
            <translation>Soulcall Incense</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="326"/>
            <source>死のエネルギーを40焚いて魂を呼び戻す香。魂がいくらか癒える</source>
            <translation>Incense that burns 40 Death Energy to call the soul back. Restores 10 Soul.</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="329"/>
            <source>闇夜の外套</source>
            <translation>Cloak of Night</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="330"/>
            <source>闇の魂には安らぎを、光の魂には痛みを与える外套。魂が15ゆらぐ</source>
            <translation>A cloak that soothes dark souls and pains light ones. Soul +15 or -15.</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="333"/>
            <source>日だまりの毛布</source>
            <translation>Sunny Blanket</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="334"/>
            <source>光の魂には温もりを、闇の魂には火傷を与える毛布。魂が15ゆらぐ</source>
            <translation>A blanket that warms light souls and burns dark ones. Soul +15 or -15.</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="337"/>
            <source>修羅の首飾り</source>
            <translation>Asura Necklace</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="338"/>
            <source>死のエネルギー50を捧げると、魂の剣がひとつ研ぎ澄まされる首飾り</source>
            <translation>A necklace that hones the Soul Sword by 1 in return for 50 Death Energy.</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="341"/>
            <source>賢者の石板</source>
            <translation>Sage's Tablet</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="342"/>
            <source>賢者が遺した石板。読み解けば記憶が100増える。目が疲れる</source>
            <translation>A stone tablet left by a sage. Decipher it: Memory +100. Tiring on the eyes.</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="345"/>
            <source>黄金の杯</source>
            <translation>Golden Chalice</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="346"/>
            <source>王の墓から持ち出された杯。天に認められ、個体スコアが上がる</source>
            <translation>A chalice taken from a king's tomb. Heaven takes note: Score +50.</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="349"/>
            <source>天使の落とし羽</source>
            <translation>Angel's Feather</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="350"/>
            <source>天使がうっかり落とした羽。拾って祈れば、冥界が神聖面へ傾く</source>
            <translation>A feather an angel let fall. Pray with it, and the Underworld tilts to the light.</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="353"/>
            <source>悪魔の契約印</source>
            <translation>Devil's Pact</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="354"/>
            <source>悪魔と交わした契約の印。押せば冥界が暗黒面へ傾く。後戻りはできない</source>
            <translation>A Devil's pact seal. Stamp it and the Underworld tilts to darkness. No going back.</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="357"/>
            <source>小判</source>
            <translation>Koban Coin</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="358"/>
            <source>山吹色に光る小判。使えば金貨20枚に両替できる</source>
            <translation>An old oval coin gleaming golden-yellow. Use it to change it into 20 gold.</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="361"/>
            <source>亀の甲羅</source>
            <translation>Turtle Shell</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="362"/>
            <source>冥界の亀が脱ぎ捨てた甲羅。背負えば魂の鎧がふたつ固くなる</source>
            <translation>A shell an Underworld turtle cast off. Wear it on your back: Soul Armor +2.</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="365"/>
            <source>ほうき星</source>
            <translation>Comet</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="366"/>
            <source>尾を引いて落ちてきた星。敵に投げつければ20の痛み</source>
            <translation>A star that fell trailing its tail. Throw it at an enemy for 20 damage.</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="369"/>
            <source>天罰の雷</source>
            <translation>Heaven's Wrath</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="370"/>
            <source>天の怒りを閉じ込めた瓶。闇属性の敵にだけ30の雷が落ちる</source>
            <translation>A bottle of heaven's fury. Its lightning deals 30 damage to dark enemies only.</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="373"/>
            <source>魔王の吐息</source>
            <translation>Demon's Breath</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="374"/>
            <source>魔王の黒い吐息を詰めた瓶。聖属性の敵にだけ30の瘴気を浴びせる</source>
            <translation>The Demon King's black breath, bottled. Its miasma deals 30 damage to holy foes only.</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="377"/>
            <source>ビー玉</source>
            <translation>Marble</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="378"/>
            <source>ただのビー玉。覗くと、生きていた頃の夕焼けが見える気がする</source>
            <translation>Just a marble. Look through it, and you almost see a sunset from when you were alive.</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="381"/>
            <source>骸のカギ</source>
            <translation>Key of Remains</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="382"/>
            <source>封じられた骸を開く古いカギ。使っても何も起きない。大事にとっておこう</source>
            <translation>An old key that opens sealed remains. Using it does nothing. Keep it safe.</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="385"/>
            <source>桜の花びら</source>
            <translation>Cherry Petals</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="386"/>
            <source>散っても散っても降ってくる花びら。集めれば魂が15癒える</source>
            <translation>Petals that keep falling however many scatter. Gather them to restore 15 Soul.</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="389"/>
            <source>方位磁石</source>
            <translation>Compass</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="390"/>
            <source>いつも北を指す磁石。迷わずに5Km先へ進める</source>
            <translation>A compass that always points north. Takes you 5 Km ahead without getting lost.</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="393"/>
            <source>誰かの手紙</source>
            <translation>Someone's Letter</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="394"/>
            <source>出せなかった手紙。読めば記憶が20増える。宛名はにじんで読めない</source>
            <translation>A letter never sent. Read it: Memory +20. The name on it has run, and can't be read.</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="397"/>
            <source>四つ葉の栞</source>
            <translation>Clover Bookmark</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="398"/>
            <source>四つ葉を押し花にした栞。天に認められ、個体スコアがちょっと上がる</source>
            <translation>A bookmark of a pressed four-leaf clover. Heaven takes note: Score +20.</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="401"/>
            <source>大入り袋</source>
            <translation>Bonus Envelope</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="402"/>
            <source>ご祝儀の大入り袋。使えば金貨が15枚</source>
            <translation>A lucky envelope handed out for a packed house. Use it for 15 gold.</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="405"/>
            <source>夜明けの雫</source>
            <translation>Dawn Drop</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="406"/>
            <source>冥界にはない夜明けの色をした雫。魂が30癒える</source>
            <translation>A drop the color of a dawn the Underworld never sees. Restores 30 Soul.</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="409"/>
            <source>隠者のランプ</source>
            <translation>Hermit's Lamp</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="410"/>
            <source>隠者が道に迷わないよう灯したランプ。審判を越えた魂なら地図へ戻れる</source>
            <translation>A lamp a hermit lit so as not to lose his way. Takes a judged soul back to the map.</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="413"/>
            <source>石っころ</source>
            <translation>Rock</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="414"/>
            <source>どこにでも転がっている石。戦いの最中に投げれば、ほんの少しだけ痛い</source>
            <translation>A rock, the kind lying everywhere. Thrown mid-fight, it hurts just a tiny bit.</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="417"/>
            <source>審判の通行証</source>
            <translation>Doomgate Pass</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="418"/>
            <source>審判の門をくぐるための通行証。門で一枚回収される。使っても何も起きない</source>
            <translation>A pass through Doomgate. The gate keeps one each time. Using it does nothing.</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="421"/>
            <source>封印金貨</source>
            <translation>Sealed Coin</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="422"/>
            <source>刻印で封じられた金貨。洞穴の店なら一枚で何とでも換えてくれる。使えば金貨10枚</source>
            <translation>A gold coin closed with a seal mark. The cave shop trades anything for one. Use: 10 gold.</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="425"/>
            <source>魂の砥石</source>
            <translation>Soul Whetstone</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="426"/>
            <source>魂の剣を研ぐ砥石。しゃりしゃり研げば、剣がひとつ鋭くなる</source>
            <translation>A whetstone for the Soul Sword. Shhk, shhk... and your Soul Sword +1.</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="429"/>
            <source>記録の羽ペン</source>
            <translation>Chronicle Quill</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="430"/>
            <source>魂の在り方を書き留める羽ペン。使えばその場でセーブされる</source>
            <translation>A quill that writes down what your soul is. Use it to save on the spot.</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="433"/>
            <source>鬼の金棒</source>
            <translation>Oni's Club</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="434"/>
            <source>鬼の忘れ物の金棒。重すぎて一振りがやっと。敵に15の痛み</source>
            <translation>An iron club an oni left behind. Too heavy for more than one swing. 15 damage.</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="437"/>
            <source>冤罪の手枷</source>
            <translation>Wronged Shackles</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="438"/>
            <source>罪なき者を縛った手枷。その無念が、聖属性の敵にだけ15の痛みを返す</source>
            <translation>Shackles that bound the innocent. Their grief deals 15 damage to holy foes only.</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="441"/>
            <source>友情の指輪</source>
            <translation>Friendship Ring</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="442"/>
            <source>友の名が刻まれた指輪。はめれば魂の鎧がふたつ固くなる</source>
            <translation>A ring engraved with a friend's name. Put it on: Soul Armor +2.</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="445"/>
            <source>血雨の傘</source>
            <translation>Blood Umbrella</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="446"/>
            <source>血の雨を浴びた傘。開けば持っている金貨を全て刃に変えて敵に降らせる</source>
            <translation>An umbrella soaked in blood rain. Open it to rain all your gold on the enemy as blades.</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="449"/>
            <source>閃光の矢</source>
            <translation>Flash Arrow</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="450"/>
            <source>傷が深いほど眩しく光る矢。失った魂の分だけ敵を撃つ</source>
            <translation>An arrow that shines brighter the deeper your wounds. Hits for the Soul you've lost.</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="453"/>
            <source>星屑の砂時計</source>
            <translation>Star Hourglass</translation>
        </message>
        <message>
            <location filename="../../assets/dat/item.txt" line="454"/>
            <source>記憶を星屑に変えて落とす砂時計。記憶を全て失うかわりに敵を打つ</source>
            <translation>An hourglass that turns Memory into falling stardust. Lose all Memory to strike the enemy.</translation>
        </message>
        <message>
            <location filename="../../assets/dat/map.txt" line="2"/>
            <source>審判の門。通行証がなければ決して開かない</source>
            <translation>Doomgate. It will never open without a pass.</translation>
        </message>
        <message>
            <location filename="../../assets/dat/map.txt" line="6"/>
            <source>見習いの魂たちが修練を積む城</source>
            <translation>A castle where apprentice souls train.</translation>
        </message>
        <message>
            <location filename="../../assets/dat/map.txt" line="10"/>
            <source>翠に光る大門。その先に塔が見える</source>
            <translation>A great gate shining jade. The Tower rises beyond it.</translation>
        </message>
        <message>
            <location filename="../../assets/dat/map.txt" line="14"/>
            <source>商人マーラーが店を開く街</source>
            <translation>A town where the merchant Mahler keeps his shop.</translation>
        </message>
        <message>
            <location filename="../../assets/dat/map.txt" line="18"/>
            <source>紫の草がそよぐ原っぱ。通行料はいらない</source>
            <translation>A field of swaying violet grass. No toll here.</translation>
        </message>
        <message>
            <location filename="../../assets/dat/map.txt" line="22"/>
            <source>空の果てまで伸びる塔</source>
            <translation>A tower reaching to the end of the sky.</translation>
        </message>
        <message>
            <location filename="../../assets/dat/map.txt" line="26"/>
            <source>闇に傾いた魂にだけ見える城の幻</source>
            <translation>A phantom castle seen only by souls leaning to darkness.</translation>
        </message>
        <message>
            <location filename="../../assets/dat/map.txt" line="30"/>
            <source>光に傾いた魂だけが通れる天秤の門柱</source>
            <translation>The Scales' gateposts, passable only by souls leaning to light.</translation>
        </message>
        <message>
            <location filename="../../assets/dat/map.txt" line="34"/>
            <source>うさくまちゃんのおうち。気まぐれに現れる</source>
            <translation>Bunbear's house. It turns up on a whim.</translation>
        </message>
        <message>
            <location filename="../../assets/dat/map.txt" line="38"/>
            <source>この世界を見下ろす管理者達の間</source>
            <translation>The hall of the Overseers, looking down on this world.</translation>
        </message>
        <message>
            <location filename="../../assets/dat/map.txt" line="41"/>
            <source>審判の門の奥</source>
            <translation>Beyond Doomgate</translation>
        </message>
        <message>
            <location filename="../../assets/dat/map.txt" line="42"/>
            <source>審判の門の向こう。見覚えのある顔ばかり</source>
            <translation>Past Doomgate. Nothing but familiar faces.</translation>
        </message>
        <message>
            <location filename="../../assets/dat/map.txt" line="45"/>
            <source>冥界の底</source>
            <translation>The Abyss</translation>
        </message>
        <message>
            <location filename="../../assets/dat/map.txt" line="46"/>
            <source>穴の底の、地図に載っていない場所</source>
            <translation>The bottom of the pit, a place on no map.</translation>
        </message>
        <message>
            <location filename="../../assets/dat/map.txt" line="50"/>
            <source>森の奥にぽつんと建つ魔女の小屋</source>
            <translation>The Witch's hut, alone in the depths of the woods.</translation>
        </message>
        <message>
            <location filename="../../assets/dat/map.txt" line="54"/>
            <source>封印金貨しか通じない店がある洞穴</source>
            <translation>A cave with a shop that takes only Sealed Coins.</translation>
        </message>
    </context>
    <context>
        <name>picture</name>
        <message>
            <location filename="../../assets/ui/am.svg" line="13"/>
            <source>おまけ</source>
            <translation>Extras</translation>
        </message>
        <message>
            <location filename="../../assets/ui/battle.svg" line="20"/>
            <source>たたかう</source>
            <translation>Fight</translation>
        </message>
        <message>
            <location filename="../../assets/ui/battle2.svg" line="20"/>
            <source>魂の剣!!</source>
            <translation>Soul Sword!!</translation>
        </message>
        <message>
            <location filename="../../assets/ui/click.svg" line="13"/>
            <source>クリック</source>
            <translation>Click</translation>
        </message>
        <message>
            <location filename="../../assets/ui/coin.svg" line="17"/>
            <location filename="../../assets/ui/sell.svg" line="16"/>
            <source>金</source>
            <translation>G</translation>
        </message>
        <message>
            <location filename="../../assets/ui/continue.svg" line="13"/>
            <source>つづきから</source>
            <translation>Continue</translation>
        </message>
        <message>
            <location filename="../../assets/ui/item.svg" line="18"/>
            <source>つかう</source>
            <translation>Use</translation>
        </message>
        <message>
            <location filename="../../assets/ui/jump.svg" line="14"/>
            <source>ジャンプ</source>
            <translation>Jump</translation>
        </message>
        <message>
            <location filename="../../assets/ui/newgame.svg" line="12"/>
            <source>はじめから</source>
            <translation>New Game</translation>
        </message>
        <message>
            <location filename="../../assets/ui/rank.svg" line="11"/>
            <source>ランキング</source>
            <translation>Ranking</translation>
        </message>
        <message>
            <location filename="../../assets/ui/rank.svg" line="12"/>
            <source>リセット</source>
            <translation>Reset</translation>
        </message>
        <message>
            <location filename="../../assets/ui/sell.svg" line="18"/>
            <source>うる</source>
            <translation>Sell</translation>
        </message>
        <message>
            <location filename="../../assets/ui/walk.svg" line="16"/>
            <source>あるく</source>
            <translation>Walk</translation>
        </message>
        <message>
            <location filename="../../assets/cg/9.svg" line="29"/>
            <source>Σ</source>
            <translation>Σ</translation>
        </message>
        <message>
            <location filename="../../assets/cg/stage1.svg" line="20"/>
            <location filename="../../assets/cg/stage2.svg" line="20"/>
            <location filename="../../assets/cg/stage3.svg" line="20"/>
            <location filename="../../assets/cg/stage4.svg" line="20"/>
            <location filename="../../assets/cg/stage5.svg" line="20"/>
            <source>制覇</source>
            <translation>CONQUERED</translation>
        </message>
    </context>
    <context>
        <name>special name</name>
        <message>
            <location filename="../../title/questions.cpp" line="25"/>
            <source>ｋ</source>
            <translation>k</translation>
        </message>
        <message>
            <location filename="../../title/questions.cpp" line="25"/>
            <source>鬼</source>
            <translation>oni</translation>
        </message>
        <message>
            <location filename="../../title/questions.cpp" line="25"/>
            <source>剣</source>
            <translation>sword</translation>
        </message>
        <message>
            <location filename="../../title/questions.cpp" line="25"/>
            <source>ソード＝ＯＮＥ</source>
            <translation>Sword=ONE</translation>
        </message>
        <message>
            <location filename="../../title/questions.cpp" line="25"/>
            <source>火</source>
            <translation>fire</translation>
        </message>
        <message>
            <location filename="../../title/questions.cpp" line="25"/>
            <source>炎</source>
            <translation>flame</translation>
        </message>
        <message>
            <location filename="../../title/questions.cpp" line="25"/>
            <source>力</source>
            <translation>power</translation>
        </message>
        <message>
            <location filename="../../title/questions.cpp" line="25"/>
            <source>魔人</source>
            <translation>demon</translation>
        </message>
        <message>
            <location filename="../../title/questions.cpp" line="26"/>
            <source>たける</source>
            <translation>takeru</translation>
        </message>
        <message>
            <location filename="../../title/questions.cpp" line="26"/>
            <source>武</source>
            <translation>takeru</translation>
        </message>
        <message>
            <location filename="../../title/questions.cpp" line="26"/>
            <source>つよし</source>
            <translation>tsuyoshi</translation>
        </message>
        <message>
            <location filename="../../title/questions.cpp" line="26"/>
            <source>剛</source>
            <translation>tsuyoshi</translation>
        </message>
        <message>
            <location filename="../../title/questions.cpp" line="26"/>
            <source>ごんた</source>
            <translation>gonta</translation>
        </message>
        <message>
            <location filename="../../title/questions.cpp" line="29"/>
            <source>じゃむ</source>
            <translation>jam</translation>
        </message>
        <message>
            <location filename="../../title/questions.cpp" line="29"/>
            <source>ジャム</source>
            <translation>jam</translation>
        </message>
        <message>
            <location filename="../../title/questions.cpp" line="29"/>
            <source>ねぎだく</source>
            <translation>negidaku</translation>
        </message>
        <message>
            <location filename="../../title/questions.cpp" line="29"/>
            <source>ネギだく</source>
            <translation>negidaku</translation>
        </message>
        <message>
            <location filename="../../title/questions.cpp" line="29"/>
            <source>葱</source>
            <translation>negi</translation>
        </message>
        <message>
            <location filename="../../title/questions.cpp" line="29"/>
            <source>永遠</source>
            <translation>eternity</translation>
        </message>
        <message>
            <location filename="../../title/questions.cpp" line="29"/>
            <source>ころぷ</source>
            <translation>koropu</translation>
        </message>
        <message>
            <location filename="../../title/questions.cpp" line="30"/>
            <source>まもる</source>
            <translation>mamoru</translation>
        </message>
        <message>
            <location filename="../../title/questions.cpp" line="30"/>
            <source>守</source>
            <translation>mamoru</translation>
        </message>
        <message>
            <location filename="../../title/questions.cpp" line="30"/>
            <source>やすこ</source>
            <translation>yasuko</translation>
        </message>
        <message>
            <location filename="../../title/questions.cpp" line="30"/>
            <source>泰子</source>
            <translation>yasuko</translation>
        </message>
        <message>
            <location filename="../../title/questions.cpp" line="30"/>
            <source>のどか</source>
            <translation>nodoka</translation>
        </message>
        <message>
            <location filename="../../title/questions.cpp" line="33"/>
            <source>碁</source>
            <translation>go</translation>
        </message>
        <message>
            <location filename="../../title/questions.cpp" line="33"/>
            <source>もく</source>
            <translation>moku</translation>
        </message>
        <message>
            <location filename="../../title/questions.cpp" line="33"/>
            <source>モク</source>
            <translation>moku</translation>
        </message>
        <message>
            <location filename="../../title/questions.cpp" line="34"/>
            <source>さとし</source>
            <translation>satoshi</translation>
        </message>
        <message>
            <location filename="../../title/questions.cpp" line="34"/>
            <source>サトシ</source>
            <translation>satoshi</translation>
        </message>
        <message>
            <location filename="../../title/questions.cpp" line="34"/>
            <source>聡</source>
            <translation>satoshi</translation>
        </message>
        <message>
            <location filename="../../title/questions.cpp" line="35"/>
            <source>まなみ</source>
            <translation>manami</translation>
        </message>
        <message>
            <location filename="../../title/questions.cpp" line="35"/>
            <source>マナミ</source>
            <translation>manami</translation>
        </message>
        <message>
            <location filename="../../title/questions.cpp" line="35"/>
            <source>愛美</source>
            <translation>manami</translation>
        </message>
        <message>
            <location filename="../../title/questions.cpp" line="36"/>
            <source>けんた</source>
            <translation>kenta</translation>
        </message>
        <message>
            <location filename="../../title/questions.cpp" line="36"/>
            <source>ケンタ</source>
            <translation>kenta</translation>
        </message>
        <message>
            <location filename="../../title/questions.cpp" line="36"/>
            <source>健太</source>
            <translation>kenta</translation>
        </message>
        <message>
            <location filename="../../title/questions.cpp" line="37"/>
            <source>さっちゃん</source>
            <translation>sacchan</translation>
        </message>
        <message>
            <location filename="../../title/questions.cpp" line="37"/>
            <source>まなっち</source>
            <translation>manacchi</translation>
        </message>
        <message>
            <location filename="../../title/questions.cpp" line="40"/>
            <source>プリンス</source>
            <translation>prince</translation>
        </message>
        <message>
            <location filename="../../title/questions.cpp" line="40"/>
            <source>７</source>
            <translation>7</translation>
        </message>
        <message>
            <location filename="../../title/questions.cpp" line="40"/>
            <source>ファウスト</source>
            <translation>faust</translation>
        </message>
        <message>
            <location filename="../../title/questions.cpp" line="40"/>
            <source>デス</source>
            <translation>death</translation>
        </message>
        <message>
            <location filename="../../title/questions.cpp" line="40"/>
            <source>コールド</source>
            <translation>cold</translation>
        </message>
        <message>
            <location filename="../../title/questions.cpp" line="40"/>
            <source>セブン</source>
            <translation>seven</translation>
        </message>
        <message>
            <location filename="../../title/questions.cpp" line="40"/>
            <source>風</source>
            <translation>wind</translation>
        </message>
        <message>
            <location filename="../../title/questions.cpp" line="40"/>
            <source>マクベス</source>
            <translation>macbeth</translation>
        </message>
        <message>
            <location filename="../../title/questions.cpp" line="40"/>
            <source>メフィスト</source>
            <translation>mephisto</translation>
        </message>
        <message>
            <location filename="../../title/questions.cpp" line="41"/>
            <source>８０１</source>
            <translation>801</translation>
        </message>
        <message>
            <location filename="../../title/questions.cpp" line="41"/>
            <source>輪廻</source>
            <translation>samsara</translation>
        </message>
        <message>
            <location filename="../../title/questions.cpp" line="41"/>
            <source>終焉</source>
            <translation>demise</translation>
        </message>
        <message>
            <location filename="../../title/questions.cpp" line="41"/>
            <source>天</source>
            <translation>heaven</translation>
        </message>
        <message>
            <location filename="../../title/questions.cpp" line="41"/>
            <source>ミッドポイント</source>
            <translation>midpoint</translation>
        </message>
        <message>
            <location filename="../../title/questions.cpp" line="41"/>
            <source>Ｍ</source>
            <translation>M</translation>
        </message>
        <message>
            <location filename="../../title/questions.cpp" line="42"/>
            <source>くいるもす</source>
            <translation>kuirumosu</translation>
        </message>
        <message>
            <location filename="../../title/questions.cpp" line="42"/>
            <source>ぬらも</source>
            <translation>nuramo</translation>
        </message>
    </context>
</TS>
