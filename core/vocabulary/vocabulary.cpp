#include "core/vocabulary/vocabulary.h"

#include "platform/sjis.h"

using platform::SjisText;

const char* const szWeek[7] = {
    SjisText("日"), SjisText("月"), SjisText("火"), SjisText("水"),
    SjisText("木"), SjisText("金"), SjisText("土"),
};

const char* const szMonName[13] = {
    "",
    SjisText("睦月"),
    SjisText("如月"),
    SjisText("弥生"),
    SjisText("卯月"),
    SjisText("皐月"),
    SjisText("水無月"),
    SjisText("文月"),
    SjisText("葉月"),
    SjisText("長月"),
    SjisText("神無月"),
    SjisText("霜月"),
    SjisText("師走"),
};

const char* const szSekki[28] = {
    SjisText("春分"), SjisText("清明"), SjisText("穀雨"),   SjisText("立夏"), SjisText("小満"),
    SjisText("芒種"), SjisText("夏至"), SjisText("小暑"),   SjisText("大暑"), SjisText("立秋"),
    SjisText("処暑"), SjisText("白露"), SjisText("秋分"),   SjisText("寒露"), SjisText("霜降"),
    SjisText("立冬"), SjisText("小雪"), SjisText("大雪"),   SjisText("冬至"), SjisText("小寒"),
    SjisText("大寒"), SjisText("立春"), SjisText("雨水"),   SjisText("啓蟄"), "",
    SjisText("土用"), SjisText("入梅"), SjisText("半夏生"),
};

const char* const szHolyday[25] = {
    "",
    SjisText("元日 "),
    SjisText("成人の日 "),
    SjisText("建国記念の日 "),
    SjisText("春分の日 "),
    SjisText("みどりの日 "),
    SjisText("憲法記念日 "),
    "",
    SjisText("こどもの日 "),
    SjisText("海の日"),
    SjisText("敬老の日 "),
    SjisText("秋分の日 "),
    SjisText("体育の日 "),
    SjisText("文化の日 "),
    SjisText("勤労感謝の日"),
    SjisText("天皇誕生日 "),
    SjisText("振替休日"),
    // The names of the holidays by the law of each year, after the fixed
    // table's: 20 is the day between two holidays (国民の休日), 21-24 the
    // ceremonies' days, short enough for the month grid's holiday column.
    SjisText("昭和の日"),
    SjisText("山の日"),
    SjisText("スポーツの日"),
    SjisText("休日"),
    SjisText("結婚の儀"),
    SjisText("大喪の礼"),
    SjisText("即位礼正殿の儀"),
    SjisText("即位の日"),
};

const char* const szTen[10] = {
    SjisText("甲"), SjisText("乙"), SjisText("丙"), SjisText("丁"), SjisText("戊"),
    SjisText("己"), SjisText("庚"), SjisText("辛"), SjisText("壬"), SjisText("癸"),
};

const char* const szChi[12] = {
    SjisText("子"), SjisText("丑"), SjisText("寅"), SjisText("卯"), SjisText("辰"), SjisText("巳"),
    SjisText("午"), SjisText("未"), SjisText("申"), SjisText("酉"), SjisText("戌"), SjisText("亥"),
};

const char* const szKusei[9] = {
    SjisText("一白"), SjisText("二黒"), SjisText("三碧"), SjisText("四緑"), SjisText("五黄"),
    SjisText("六白"), SjisText("七赤"), SjisText("八白"), SjisText("九紫"),
};

const char* const szRoki[6] = {
    SjisText("先勝"), SjisText("友引"), SjisText("先負"),
    SjisText("仏滅"), SjisText("大安"), SjisText("赤口"),
};

const char* const szShuku[28] = {
    SjisText("角"), SjisText("亢"), SjisText("氏"), SjisText("房"), SjisText("心"), SjisText("尾"),
    SjisText("箕"), SjisText("斗"), SjisText("牛"), SjisText("女"), SjisText("虚"), SjisText("危"),
    SjisText("室"), SjisText("壁"), SjisText("奎"), SjisText("婁"), SjisText("胃"), SjisText("昂"),
    SjisText("畢"), SjisText("觜"), SjisText("参"), SjisText("井"), SjisText("鬼"), SjisText("柳"),
    SjisText("星"), SjisText("張"), SjisText("翼"), SjisText("軫"),
};

const char* const szChoku[12] = {
    SjisText("建"), SjisText("除"), SjisText("満"), SjisText("平"), SjisText("定"), SjisText("執"),
    SjisText("破"), SjisText("危"), SjisText("成"), SjisText("収"), SjisText("開"), SjisText("閉"),
};

const char* const szReki[8] = {
    "",
    SjisText("三隣亡"),
    SjisText("一粒万倍日"),
    SjisText("天赦日"),
    SjisText("不成就日"),
    SjisText("天上天一"),
    SjisText("十方暮"),
    SjisText("八専"),
};

const char* const szUrus[2] = {"  ", SjisText("閏")};
