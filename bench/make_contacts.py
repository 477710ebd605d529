#!/usr/bin/env python3
"""make_contacts.py LINES OUTPUT: a synthetic phone-data file in code page 936, one
"name SPACE number" per CR LF line: Chinese names of 2 to 4 characters, 11-digit numbers.
The same LINES always give the same bytes."""
import random
import sys

SURNAMES = "王李张刘陈杨黄赵吴周徐孙马朱胡郭何高林罗郑梁谢宋唐许韩冯邓曹彭曾肖田董袁潘于蒋蔡余杜叶程苏魏吕丁任沈姚卢姜崔钟谭陆汪范金石廖贾夏韦付方白邹孟熊秦邱江尹薛闫段雷侯龙史陶黎贺顾毛郝龚邵万钱严覃武戴莫孔向汤"
GIVEN = "伟芳娜秀英敏静丽强磊军洋勇艳杰娟涛明超秀兰霞平刚桂英华玉萍红娥玲芬芳燕彩春菊兰凤洁梅琳素云莲真环雪荣爱妹霞香月莺媛艳瑞凡佳嘉琼勤珍贞莉桂娣叶璧璐娅琦晶妍茜秋珊莎锦黛青倩婷姣婉娴瑾颖露瑶怡婵雁蓓纨仪荷丹蓉眉君琴蕊薇菁梦岚苑婕馨瑗琰韵融园艺咏卿聪澜纯毓悦昭冰爽琬茗羽希宁欣飘育滢馥筠柔竹霭凝晓欢霄枫芸菲寒伊亚宜可姬舒影荔枝思丽"
PREFIXES = ["130", "131", "132", "135", "136", "137", "138", "139", "150", "151", "158", "186", "188"]


def main():
    count = int(sys.argv[1])
    rng = random.Random(936)
    with open(sys.argv[2], "wb") as out:
        lines = []
        for i in range(count):
            length = rng.randint(2, 4)
            name = rng.choice(SURNAMES) + "".join(rng.choice(GIVEN) for _ in range(length - 1))
            number = rng.choice(PREFIXES) + "%08d" % rng.randrange(100000000)
            lines.append(f"{name} {number}\r\n")
            if len(lines) == 100000 or i == count - 1:
                out.write("".join(lines).encode("gbk"))
                lines = []


if __name__ == "__main__":
    main()
