#!/usr/bin/env python3
"""Writes examples/sample.dat, an address book of invented cards.

Every person and company here is made up. The file has the program's own
layout: one card per line, seven fields in double quotes separated by
commas (name, address1, address2, address3, postal code, code, honorific
index), code page 932, CR LF.

Usage: tools/make_sample.py [OUTPUT]   (default: examples/sample.dat beside tools/)
"""

import pathlib
import sys

# name, address1, address2, address3, postal code, code, honorific index
# Honorific indexes: 0 様, 1 殿, 2 御中, 3 " 差出" (the sender), 4 行, 5 none;
# "-1" is what the editor stores when nothing was chosen.
CARDS = [
    ("田中　太郎", "東京都世田谷区", "三軒茶屋１－１１－５", "", "154-0024", "自宅", "3"),
    ("山田　花子", "東京都千代田区", "霞が関１－２－３", "", "100-0013", "", "0"),
    ("佐藤　健一", "北海道札幌市中央区", "北一条西５－６", "ライラックマンション３０２号", "060-0001", "", "0"),
    ("株式会社　髙橋商事", "大阪府大阪市北区", "梅田２－４－９", "梅田第一ビル８階", "530-0001", "取引先", "2"),
    ("鈴木　一郎", "神奈川県横浜市中区", "山下町１２３", "", "231-0023", "", "1"),
    ("渡辺　美咲", "埼玉県比企郡嵐山町", "大字菅谷４５６", "", "355-0221", "", "0"),
    ("伊藤　誠", "愛知県名古屋市中区", "栄３－１５－２", "栄ハイツ①棟２０１", "460-0008", "", "4"),
    ("中村　由美", "京都府京都市左京区", "下鴨本通７８", "", "606-0801", "", "5"),
    ("小林　大輔", "福岡県福岡市博多区", "博多駅前２－１－１", "博多グリーンビル４０５", "812-0011", "同窓会", "-1"),
    ("加藤　さくら", "兵庫県神戸市中央区", "三宮町１－９－２", "", "650-0021", "", "0"),
    ("長谷川　左右衛門之丞　一之進", "静岡県静岡市葵区", "追手町９－６", "", "420-0853", "", "0"),
    ("㈱みらい企画　営業部", "東京都港区", "芝公園４－２－８", "芝パークタワー１２Ｆ", "105-0011", "取引先", "2"),
    ("吉田　和也", "宮城県仙台市青葉区", "一番町３－３－１", "コーポ青葉１０１～１０３号室", "980-0811", "", "0"),
    ("山本　直子", "広島県広島市中区", "基町６－７８", "", "730-0011", "", "0"),
    ("松本　翔太", "長野県北佐久郡軽井沢町", "大字軽井沢１３２３", "", "389-0102", "テニス部", "1"),
    ("井上　愛", "沖縄県那覇市", "久茂地１－２－２０", "", "900-0015", "", "0"),
    ("木村　拓也", "新潟県新潟市中央区", "学校町通１－６０２", "Ａ棟,Ｂ棟共通受付", "951-8068", "", "0"),
    ("林　恵美", "熊本県熊本市中央区", "花畑町４－１", "", "860-0806", "", "0"),
    ("清水　浩二", "石川県金沢市", "広坂２－１－１", "", "920-0962", "ｶﾞｰﾃﾞﾝ会", "4"),
    ("山口　真由美", "岡山県岡山市北区", "駅元町１－５", "", "700-0024", "", "0"),
    ("森　健太郎", "鹿児島県鹿児島市", "東千石町１－３８", "", "892-0842", "", "5"),
    ("池田　陽子", "奈良県奈良市", "登大路町３０", "", "630-8213", "", "0"),
    ("橋本　亮", "栃木県宇都宮市", "中央１－１－１５", "", "320-0806", "", "0"),
    ("社団法人　つくば科学振興会", "茨城県つくば市", "吾妻２－５－１", "", "305-0031", "団体", "2"),
    ("石川　美穂", "岐阜県岐阜市", "吉野町６－１６", "", "500-8844", "", "0"),
    ("前田　修", "三重県伊勢市", "岩渕１－７－１７", "", "516-0037", "", "1"),
    ("藤田　千尋", "山形県山形市", "香澄町２－２－３１", "", "990-0039", "", "0"),
    ("岡田　勇気", "青森県青森市", "新町１－３－７", "", "030-0801", "", "0"),
    ("高田　香織", "香川県高松市", "サンポート２－１", "", "760-0019", "", "0"),
    ("後藤　聡", "", "", "", "", "", "0"),
]


def ibm_extensions():
    """Characters of the NEC-selected rows (0xED, 0xEE) mapped to their IBM codes.

    Both codes read back as the same character, but Windows (and the program)
    write the IBM one (髙 is 0xFBFC) where Python's codec picks 0xEEE0.
    """
    table = {}
    for lead in range(0xFA, 0xFD):
        for trail in range(0x40, 0xFD):
            code = bytes([lead, trail])
            try:
                table.setdefault(code.decode("cp932"), code)
            except UnicodeDecodeError:
                pass
    return table


def encode_cp932(text):
    ibm = ibm_extensions()
    out = bytearray()
    for char in text:
        code = char.encode("cp932")
        out += ibm.get(char, code) if code[0] in (0xED, 0xEE) else code
    return bytes(out)


def card_line(card):
    for field in card:
        if '"' in field:
            raise ValueError(f"a field holds a double quote: {card!r}")
    return ",".join(f'"{field}"' for field in card) + "\r\n"


def main():
    default = pathlib.Path(__file__).resolve().parent.parent / "examples" / "sample.dat"
    output = pathlib.Path(sys.argv[1]) if len(sys.argv) > 1 else default
    data = encode_cp932("".join(card_line(card) for card in CARDS))
    output.write_bytes(data)
    print(f"{output}: {len(CARDS)} cards, {len(data)} bytes")


if __name__ == "__main__":
    main()
