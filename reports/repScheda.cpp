#include "reports/repScheda.h"

// Geometry: A4 portrait, margins 10 mm, so the band is 190 mm wide. The logo
// (20 mm) and the title sit on top; the 24 rows start 27 mm down, 10 mm
// apart, each 6 mm high: a 52 mm label and, 4 mm to its right, a 128 mm value
// underlined in light grey; the footer closes the page at 269 mm.
// The logo is the program's own, kept in the template as a PNG.
QByteArray ModelloScheda()
{
    return QByteArrayLiteral(R"({
  "report": "Scheda informativa",
  "script": ["begin", "", "end."],
  "progress": false,
  "printer": "Default",
  "pages": [{
    "name": "Page1",
    "paper": [210, 297],
    "orientation": "portrait",
    "margins": [10, 10, 10, 10],
    "bands": [{
      "name": "Scheda", "kind": "ReportTitle",
      "top": 0, "height": 1039.37075,
      "objects": [
        {"type": "picture", "name": "imgLogo", "left": 11.33859, "top": 0, "width": 75.5906, "height": 75.5906,
         "keepAspect": true, "png": ")"
                             "iVBORw0KGgoAAAANSUhEUgAAAPAAAADwCAYAAAA+VemSAAAACXBIWXMAAA7EAAAOxAGVKw4bAAAgAElEQVR42u3deXxU5dk3"
                             "8N915kz2BMjCvorKJmFTFKkKVGsL1g1L617r1talj9rWflqV5lP1afs8rW+176u4WxU1EEQBFVBAVEQQEBCEsCckkD1hskwy"
                             "M+d6/wiBLDPJbGebua5++EjvOZw5577Pd+7tnPsQbBwzFr6fzYme8cSOsUQYpYDOYuY+IKQ5gFSGkkqEVGZOBkDEAXbEIX4x"
                             "h7CPaHxn2Pvm6J5jtM5dx3w9VcYEBlMTgAZmbmj9L+oB1GiMfZqm7QXRLoePd35y77VVdjVAtjnS+fOV6bm5Ux1QLncQzVCA"
                             "XGLK1B+BGfCigYDj7twp7B8ArmbGDi9jHfnoo7UV2zYjL08TwJHWsPn5/TVSb3IQXaoodAGBepl2MQneGMXrJ51Qp2m80afx"
                             "x4D3jXX3zDsugINF+8orSVqvXvMcpNzsYJoJwGH6xSR44wdv13SfxrzW4+XXlaq6/HV5t7kFsJ+Y+faSCZpTecih4CoCMsxF"
                             "YK9+n/R5jfpxoRM+5vfg5X+svf/a7QIYwPSCggtUUh5TiX546ngEr+C1HN72TWxizat9xKTkrb336q/iEvDF+fmzFNX5qINo"
                             "hnWan4JX8IZ2fKzxWmbv42vum7cmLgBfuGLFMGdzy78doCv0uBDI6v07O/R5bXPu1unX+zTfcoWS711z75wjMQl4bH5+Qpai"
                             "/sGpKg9DQ4rgFbyxgvf09UeNHp/vr/VJlX/dcvfdnpgBfOGSJbOcoGcVwtl6FQCZ0HyK3RtA5NwjOQ4G9vo8/Ov1D1y7xtaA"
                             "Z6xdq/pqap50kvIQgxXBK3jj5dwJ0Lxe/gfV9PnjuryZXtsBnpafPyjB6cxXgAv1LETBK+du5XNnxga31zPvywfnldgG8EUF"
                             "BXMcpLwKIFvfPocNLrKonnsM9HlD/E6y4w9A56JiVLZovlu+eOAnH0bbmhLtHX5v0ZKHHaQsE7yCV/CePA9CdpLDsfyipwp+"
                             "b90amJkuevfdfzhAD+ideYJX8Nrq3NtPNzGe+vS/rnkoxJlsfQFPWbDAmZKV85qi0PV69y3I6lMaUf9hYGMuPgudO8V4f9/H"
                             "vLAhufLn0ZhqihjwtPz8ZNXheFch5XLBK3gFb3D79jGv9LDvmi8fnNdkGuApCxY4U7KzlxHR5fpcwGEWrGHAYvsik2azvj+K"
                             "GvNKpTbzikimmcIfxGKm5KzsVwWv4BW84R2HQnS5L6P6VYDDrkgd4f7D6ePH/9OhKHcJXsEreMMvG4Uod8gPdqcXrcpfZRjg"
                             "CxcV/N6hKI/q3a+iWHsgnUP48jjp75P8KIKIpg297CdNRasWfaF7H3j64sWzFVKWo7tndwWv4BW8oaZrXk274ovfhnazR0iA"
                             "zy8oGOwEbUN3N2nI7ZFhpLNdLjJpNuv6RBVXeEibFMptl8EPYuXnO1TmtwWv4BW8epUN5Tg0ehs/yXdEHfAFivIEkTJd8Ape"
                             "watf2SikfG/6ecrjUW1Cn19QMFMFPgEH2F7P0WZ5GD9m+vvS5w32OEjTfLj0i4fnro24Bp6yYIFT1fhZwSt4Ba9Bx8esQOH/"
                             "N2XBAmfEgJ1ZWb8H0SjBK3gFr3HHpwCjk+oyfxdRE3pSQcGwZMZucAhrWMm9zZHhNfX4og8sLvq8rFs5NmotNHbDI3OPhFUD"
                             "J/r4GcEreAWvSccHpMDpezqsGvi8/PxLnKSsi8smjr6/qtJslmZzSMfXovku2fyHn64PqQZ2oN2tkoJX8Ape044vAfRoSDXw"
                             "lLfeOj9RdW4UvIJX8Frj+LQW7fwvH5m3qXO66m9jp+p8hDm6BRA39zZb5WF8k/KPpc+rz/E5lEcAXNljDXz+woW5ijPhm4Dz"
                             "voJX8MbK8dkFb6tUZuYJX/5h3s5u+8DkSHhQ8ApewWux42MQMR7stgae8corSe7UtDKAMmLu3mZDCoDlArba8cXWD1ddoru+"
                             "f/uXjHeogRvS0uYKXsEreC17fL2aE1KvbZ+sdtroJg40ehVis5nj6gLmuLuA5SYNc47PR7gZwMIuFeX5Cxf2g8NZAn/L7MTz"
                             "vc09HB+BMTA9Ff1SU5CTkowUpzOyc9Q7T/xtyowmjxf1LR40tHhQf/JPZb0bXk0TvNY6Pq/G3sFf/emGsg41sE9RrncI3qCP"
                             "b2SfXvjx2cNx0ZCBGJieilgMn8YoqnPhUPUJHKyuw6HqE9hbXoPSEw2C17zjUzVN/RmAf3UArJByaZfWc4j3NrOVMzpK+85J"
                             "TsYvp4zD7LOGG/d2dJPCoRBG9MnAiD4ZmDVy8Kn00hMN2FRchs3FZfj6aDlOuFukz2vg8RHh0jbArdfg/PnKeWPPqSZGr3Dx"
                             "Ig7wTuqXjf+eNQ29kxIhcTqrdh2vwsq9RVi9rwh17hbBq/PxMaj2q5Zvs5CXpxHQeuukg9SNgjdw+qXDhyDvkqlwKCRqA4RX"
                             "0/D5oWP44LvD+PLI8Y79Z8Eb1ePz+bSpmx/72WYVAJgcl3IYBxFysxkmZFIU9j2+bxbmX3Ke4O0hVEXBjJGDMGPkIFQ1uvH2"
                             "tkIs2XkQDc0eY4HFwQ8DK3QZgM0KACiMmeHgRRzgTU9MwN+/Pw1ORRGhIURWShLumZ6LpbfNwV3TxqF3cqLgjdbxMUAazwLa"
                             "BrEIE0KZ/zVlwArmFOKt40chMzlJRIYZ6YlO/GLqWNwweRQWb9+Plzft9l8jx0uzOdLjPr0E7QQAoLH5+ZkpPlTpVvPaGG92"
                             "ShKWzpuNBIdDJEYpKhvceOaz7Vi55whY8EbUMm1SvZlKshdjBa//9FnDBwveKEd2ahLyfng+nvvJTJyZ3VvwRnAcCW4a5xh0"
                             "9dwfMdEVPeK1ayZFsHrkPefmYlCM3qRhdvTPSMU1488AgfBNaSU0lj5vqNtqGjYqXqXTkrGCFzj5POWEftkiTcdQiHDntHF4"
                             "9roZ6J+eInhDvIaJaLSqgM7i0zPEfpvNug1YWfiHISMxAQkOGXk2IiYOysEbN/0Aj6/6Gmv3HY3tZnM0zuXkZ0Q4S2HWMk3p"
                             "81q8AHJSkkWWgZGRlIC/X3kh7vne+I4tPsEb8DMGMhUQ0gRv1zQZvDInfn7+GDz2w6lQFUXw9vQZIU0lRhqTgc1mmzyMzyF3"
                             "oCWiFVeMG47MlEQ8/P4GNHm8hv1ohzdeYlyft8tnhDSFQWmG1bx2XUlDwvC4cMQAPDdvJlISVMEbePs0hQipglfwWjHGDcjE"
                             "/1w1HU6HInj9pTGlKhojhRmABjD7+RMo/WQzu8sfDjIt3PRgj6/HdO7xXCTMj/OH9cdjl08FgcK//sK5LiO91kK9LhHGcROn"
                             "KgAoXh5MiMrSrxKGx4/GDsP9l+SaVzvqve9wPTFIBXNcrKQR6uqRzCLYSnHz1NE4UFmH93ceiu9mc6dQIHil5rVJPHzZFAzL"
                             "TBe83QIWvBIWjWSniv++8sKOd8jFMV5iQAlq5EbvvoW/P1qQad2lC96Yi9H9+uC+GRPsO2DV3aBwCMfd9iI5xbRfIcNqdcEb"
                             "a3HjuaNw7pC+9rsuo9QCaD/orAheQW3X/rDaeZmjOMMLAIquTQi95+q6bRJxxHPFEtaNM3N6Yd7kM3Xqchnc5w3huDtfq6pu"
                             "v0Km1ur2qnlveGcVdpdXR3R8kbzuhAA4VQeSHA6kOFX0TU/BoF6pGNo7HbkDszBhYDZSE5yWQ/yri8bjo11FqG5w61e+Fhmw"
                             "CrSt2mUWOAYexo/OcRgombnjvHOIX+334ZNQligF0OzxotnjRZ27GcdcDdheWnHqQ4UIkwblYPbYYfjBqKFIT0ywBOC0RCfu"
                             "m5GLP6/4yn7N5kjXXmd/fWDBa36EgVfvstGYseVoOf6yajMuf+49PPXpN6hudFsiu67MHYEhfdLjEm9HwIJX8AZRNo0tXry2"
                             "6Ttc8cIyLNxaaHrWKUS4bdqYuMR7ehBLi3xeytybyzkKDzd0PW8j3YZ67tCi+WBH6OXe0OLF3z7ZglvfWI0yV6PptXDftBTD"
                             "zj2sa7i77SMoX8X+b1+P4akiG7xce3tpJW58fRX2lNWYlk2qouDWC0Ybfu56DVhRRLdSCl7BG+I+KuqbcNtbH+PT/SWmZdd1"
                             "k89E75TEuMIb/Ci0JdfHYl2Pz8inkfjk/4IpXDaybELYtsHtwW8K1uO3sybhpvNGGw44UXVg9rhheHPzXuv3eQOVL0IvX0Xw"
                             "2mMgi2xwl5HGjL9/shUvb9xtTl94wghb4w3nOFQ2C6+VniryNzdq7DRw6/eZUfPqUI7/+nQ7BvdOww9GDzUU8Jj+mRiZ0xv7"
                             "y2uNyZMoNpvDLV9F8FqkNrZRn7enbTVm/HHZl9hRUml4Nl41YYTt8EZSBorgFbx6NB2bvT7ct3g9SmrrDc3KK8aPgEIUF3gB"
                             "fw8zWHJxO47uQnhBPpRhpN9Az3tacnFALbh8rWpw455Fn8Lj0wzLy+y0JIwZkBn6dRnlc+9pe0TpoSAl6r/iVqp59bwDTMcg"
                             "uz4W5+ez/eV1eP6Lbw3Nv2kj+lt7wCqKdyAqglfw6n0Bv7hhNw5Xu4wDPLJ/XOAF2uaB7drnhQnHp1MbmpltN9oc7PYtPh+e"
                             "+2wn/nrVhYZk56QhOUhUHXC3vZbFqHcVBYE32uWrCF5r1Mh2HrAKJu2D3YdRXGPMgJbToeDcYX0th1eP8lVMeTAhGgNWei9E"
                             "ZqTeGBiw6ml7r5exeNt+w7I0d3BW5A/MmDFgFWK6NZaVtUqf1+qPFdr0LqO29BXfHjYsC8/M6W2/Pm8Y16UieAWvUUvBlNY1"
                             "YNexamMA9+0V83hbB7GYrYXDIhewGc8Dx1KfN1D61uIKjBuQqXueDs/KgKoorXPQJq0eacSDJ4rgtUiNHAd4wcC2ogpDstOh"
                             "EIZmplti6Vc9r22Vpdkc4CMDHydk9v99MdBs7px2oLLOsHwdmpnW9cEGA5rNRj7yqQhei0YM4gWAUgPvjU5PSoidPm+AfSuC"
                             "V/AahRcAXM0e1Dd7DMnGtERnTOMFALXTC4MN6G9ZFC+biLz9AFaM9Xn9RX2zpysuvQCzAecO81ZKUQQv7DuFZEO8YKCpxWts"
                             "DawzXpiE9zRgwWs+6jjBC7Q+K2xEpLavgWMQL9B+HjiW+7xhZLbtRqFtghdovVfZiGhq8SLoVwfZpM/bORTBGwPNaRvhBYDk"
                             "BNWQLKxvbolpvCeXlY1hvJGkm7GoXQw3mzs0bQ0C7HJ7TuerleZ5o1gGiuC1Sc0bI3iTnA70Sk40pgZ2e6xX80a5DBTBK3iN"
                             "LIOBGWmGZWd9syem8QJtt1La8XUnOv8wGD4IHcN93vbpQzPTDcvTo9X1gU/fwrdHmrisbGzgtUzEGF6gdbkbo34QD1acsEbN"
                             "q2O+KoJX8BrZdZk81BjAR2vq0eTxxjTeri83i+c+b+fpQjZ4Hrin74sBvL2TEw0DvK+stmue2rHZ3EM5KoIXsfVwg0XxAsAP"
                             "xw0z7CaOwrLaiPDCBniB7gaxooUX9sRrxpsZYrXZDABEwNzJIw3L010lVeAw8Vp1wMpfuip4LVIjxzBeALjwjAGGDmBtOHA8"
                             "5OO2Q5+3cyiCV/DqXQZEwG9mTTCu9i2tQm1Dc8zj7TqIFe99Xu44sGSc304PM8QQXgCYO/FMTGlbaN2A+Lyw1H/5xUizuX2a"
                             "InhNrHn1HPywCN6slCT8cfa5hmbh5/uOxXzN27UJLXgFb5TLINHhwLM3zkRvg+59BoDGFi+2HC6PC7xAd6tSxjteo59G0mIL"
                             "LwH427XTT7+jyKBYsf0w3J6eFwywc7O5fSi2xMv6Zh5ZeTUOG+AFAw98fyKunDDC8EZMwdf7g8KLGMAbuAa2Ol7oi9cSA9E2"
                             "xjt38kjcZ+Coc1scranHpkPlgefUY6jmbUtXBK+JNS8scu5Rxvu3a6ebkm0FXx+A1s2rJWOp5j29rKzgFbxR6vM+eNkk3Dcz"
                             "15xsY6Bgy4G4wtvahAYLXj8/2obfShmo5rDJaPP/zJ2OqyaeYdrv3oodh3EkwOODujabTfahCt4ICyvOa96s1CQsuHEmzhve"
                             "z9SGy78/3mF8zWsBHyo0wet3Wxa83aUTAddNOhOPzD4PvVMSTcW75ruj+K602u9xx9KAlb9QBa/JNS/shZcImD5yIB74/kTD"
                             "53gDxTMfbze01WEVvGBAFbyCN9iH8WePH4Z5U84y7KmiYOKzwlJsPVwRl3iB9utCx/M8L5vr+dS60BZa+nVQrzQMz8rAlKE5"
                             "mDKsL84d1tewh/GDDa+m4c/vbuow4EhxhPd0E1pqXlMFL7/rCuwsrTKnVgegECFRdSA5QUVqomrovcuRxMvrv8O+ditvxBte"
                             "gCN5oF/wRjPGD8yCRPBR4WrC/1n1TVzjbW1CM8cF3lBHI418Hlgi9Hhi2Wa43C1hl28s4AWiuqys1LwSxsTqXcVYsuVAXNe8"
                             "bX9VWWpev+li2ZpRVteIh976HJoW3zVv13uhYwgv2fXdSBLdBjNw3xvrUd3gjvuat2MTWvBK2CD+/ckObNh/TPC2C5U1jim8"
                             "HK1ClEEsS8Wa747ifz/aCjDHfbO5fSixhFe3QpQwNb4pqsTdr66Bz6tJzdvpY0XwCl4rx6GKE7jlhVVoavYKXj8fhz8KHYvN"
                             "ZrFsqSg70Yjrn1uJqhNuwRvgY9XuePUqRKvd9xuPNe/1z61EcaVL8HazD1Xw+k/um5oiikzs8978/CpUu6Tm7WkfquD1n56R"
                             "lCCSTIg13x3FXa+skT5vkPtQBa//9KpGt2gyMJhbH8z/x0fb4JXR5qD3oQpe/+lVDU2iyqAoq2vEvW98ii/2yU0aoe5DFbz+"
                             "032ajEMbEat3FeGBhZ/L7ZHhLisreMM4H4mIo/xEEx5fthkFX+8HszxVFO6+VcEreI0Mr6bhxU9346mV2+ByewKXseANKl0V"
                             "vILXqFi/twSPvfsVCo/H9zI40dy3Gpd45VZKg/u5xXh69fYu7+0VvJHvWxW8glePYAaWbT+Ep1dvx+6S6uDKWPCGnK4KXsEb"
                             "zSiurseizfuxaPM+HPF3G6Tgjeq+VcEr6CKNhmYPlm8/jPxN+/DVwTLLveJTcQB9MoC0NEZ6KpCehtb/pralMRISCA6VoToA"
                             "1UFQ2/6uAhs2K3jvA7Ic3lbAgldQh9E83llSifV7S7G+sBSbD5ah2evrMf/0xpucBORkA32zGP2yGX2zgb7ZjMw+QM/PpnDA"
                             "L2lpYbS+QNVaeDs2oQWv4A2AtajahcLjNdh7vBY7j1bhi/3HUF3vDin/oo1XUYD+fRkjBgPDhzCGD2H06aVPHrS0WBOvf8CC"
                             "1/DYUVKJ7UcrI1AW2bZ8shnscnvgcreg3t369+JqF/aX16GpxRtR/kUDLwEYPBAYcxZj+GANwwYBiQa9QKK52Zp4gxuFFry6"
                             "x8NLN5wGHBODNtHB61CA4UOA8aM1jB/N6JVuTvk0t1gTb8caWPCaD1rwggg4czhj0jmMc84GUpLN79M0t1gT72nAglfwmow3"
                             "KQmYOoExbbKGHIu9JqqlxZp4WwELXsFrIt6B/RjTpwCTxzOcqjVHEE+csCbejk1owWutEegYxzu4PzBnloazRlh/2L+ymiyJ"
                             "N/hbKQWv4I0S3qxM4EeXaJg41h7zdbV1nZrQFsLbsQYWvIJXR7zpqcClF2m4YBLDTgt+VlSRZfGeBix4Ba9OeImAc3MZV13G"
                             "SEo0JrNdDS2ornWjf04qEhMckQGutC7eVsCC1386C95I8aanAfNmaxhzljGZyQys21iElesPwacxkpJU/HzuORg5tHf4gCus"
                             "ixcI9G6keMcrNW/EeCeOZfzubp9heN1uL14r2IkP1h08tZ6Z2+1F/oo94AheVHe8nCyLt2MfWPBavzltA7wJTuC62Romn2Nc"
                             "Zh4rr8drS3ahqqbrSqLVtW5ozHAQhbxfnw84UkyWxavLsrKCN37xZqQxfj6PMXSAcZm5ZWcZCj7aC4+/taQBDB2UAYcS3qjZ"
                             "4aK2EWhr4u1aAwtewRsm3v59Gbf/VEOfDGOyyevT8P7H+/Hl1tKA2/TNSsENPx4T9ncU7lcsjbcjYMFrzb6wDfCOHsm4+VoN"
                             "iQa9jabW5cbrS3ajqPREwG1yR+dg3pzREY1CFx6ApfGeBix4BW+YeCeMYdx4tQbFoLndfYdr8ebSXWho8vj9XFEIc2aOxEXn"
                             "DQKF0e9tC3cTUFJqbbytgAWv4A0T76iRjBuvMgYvM7B2YxE++vQgAg0qp6cl4Karx+GMIZE/2V94ENA0a+Pt2gcWvNbtB1sM"
                             "79BBwK1zNSgO/bPD7fbi7eXfYde+qoDbnDG4F266ZhzS06LTjt+0RbE83oiWlRW88Yu3fw5w5898SHDqnx3dTRG1xcVTh2DO"
                             "jDOgOCgq31lbBxTusz7ejjWw4BW8QeDNSAfuut6H5CT9s2Prt8ex+MPCgFNEiQkOzJszGrmjc6L6vZu2UGvz2eJ4TwMWvOaj"
                             "tgFeIuD6H2vI0HlpG69Pw7KPD2DD1pKA2/TLSsXNc8eiX1Zq1Pvam74mW+BtBSx4BW8QeAHgkvNZ9+d3jZoiChR7Club0HbA"
                             "27EJLXjt25w2AO/g/sDsGZqup2zUFFF38ennim3wBn0rpeCNb7yJCcBN1+g34mz0FFHg2pew/6B98HatgQWv4PWz7eWXaMjO"
                             "1CeDzJgiCvQjsmIl2QpvR8CCV/D62TarN/C9KfpkkBlTRIFi6zbCseOw3UvWVMFrEdAWXcPqhzP0aTqbNUXkL7w+4KOPyZZv"
                             "SFQFr0VrYwvgHdyfMWlcdDPEp2l4f7U5U0SBYt16Qk2tPa95VfAK3kDbzpkV3QypczXjP0t2mTZF5C+Kigmr1pBtr3lV8Ape"
                             "f9uOHBrdOd/9R2rw5tLvUN/o/zUHRkwRdY7mZuDNdwiaz77XvCp4Ba+/mBalgStmxrqNxfjQ5Ckif1GwlFBVbe9rXhW8Ie4j"
                             "DvCmJQO5oyLPAHezF28v34NdhYFfnWrEFJG/+HobYet2sv01rwpewds5fUpu5CPPxysa8GrBtz1MEQ3GnBkjdZ8i6hzFR4F3"
                             "36OYuOZVwSt426cTARdMiiwTepoiSnA6MG/OKEwY09fwrC6rAF54lU6/89fm17wqeC3YFzbx/bxnDOGwX+8ZzBRR36wU3DJ3"
                             "nGFTRO2jpg54/iUFjY2xcc3TyVFoBkCCV/ACwIQw532tOEXUPhoaW/HWnYgdvABYBdAAIE3wCl4AOHtE6IdtxSmi9lFfD7z4"
                             "Kp1+z1Fs4AWAepUAFzPSBK/JqC2At08vhPTQgpWniE71ecsJL70GVNdQrOEFAJfKDBeAAYI3vvECCOnGDStPEbVF4X7gPwsJ"
                             "bjdiEW8rYIBcXf6F4LVdc5qicO5nBwnYylNEbbFxE7BkmdL1LqvYwQtmuFQALsEreCnIGnjbrjIs+mCvJaeIgNZ3Gb3/AeGr"
                             "zdS1WR9DeAGACC4V4CrBG994wUBmJpCaEviwfJqGZasP4AuLThEBwMHDhHcW2//2yGDwtm5PVSqYCkEseOMYbyu+wJlQ52rG"
                             "f97dhaISa04Reb3AB6sIn31B/gfTYhIvAGiFKkPbS0yC12zUJuIFEPDmDbfbi2de24o6V7Pfz1uniM7ARecNNmWK6MAhQsFS"
                             "QnmFxa+pqOMFwMpelUnZQ/5+tgRv3OAFgL4Bpo92FlYExGvmFFHpMcKHq4A9+wisxSFeAOTgPWqyj/Y2Kyx4O6U3tHgMuxjr"
                             "mz2m4gWAnGwOMFDiv1Y1a4qouqZ1+Ztt2082lzk+8QJAgse3Vzmcd1stgHLB2zG97ESjYRdlWV2jqXgBICfTf/o5Z2WjV3pi"
                             "h7SLpw7G3TdMNBRvVRXw7vsK/vaUgq3fCF4wyg4uurtOPfkvvwbTbMHbsVZ0uT1IT9L3DV4ut6djDWwC3gQVAV+XkpSk4v5b"
                             "J+Ozr0vQ2ORB7qgcjBqZaUzPgoHdewkbNgKF+zsNUMU3XgDYApx8GomZ1hBjtuBtl6QBn+0rwezxw3W9SNfvLTEVLxg9vqgs"
                             "Iz0Rc2aeYVyXogH46mvCxs2EmhobXlP64wVAn5wCrBCvYSbB2yntw2+P6A74w51HTMULAIkJ5s+jnXARdu0m7NjNOHD45DpV"
                             "LHgDpmm+NacAl/qKtw+gYTUA9xG8p/+6clcRqhrcyErV512aVfVurPq2yFS8AJCUaA7aqmpg5y7Czu8IRcUE5tNPtgrebtOq"
                             "S8aW7DgFGHl5Gv788loA1wrejv3gp1Z/g8evvkCXC/ifq75BvdtjKl4ASDAI8PFy4PARwqFiwuEjhOpqtOvXsr2vKePwAsBa"
                             "5OVppwG3brUajGsFb8d4/cs9uH7q2Rg3MLoDN7tKqvHGF3tMxwsAiVEep2MGqquB8krCsXLCocPAkWJCY1Og4xC8Ie57ddtf"
                             "2r0bybsYUJ9BEC88ixe8YMDj03Dry6vx4W+uRE56clQu8ApXE259YTU8Ps10vGAgMYwa2N0EuBoBVz2hthYoqwQqKgnlFYTK"
                             "qtbXlQR3HII3xH17NMVXcGp/7T8ZMP/FpQBdJXi7pucOzsbrt18WMeIKVxNufn41dhRXWgIvAIwYypgwjuH14uQfgtcL+HwM"
                             "j4/g9QD1jUC9i+BqABoaTgKN+DgEb6j7JsbSo/l3XNO1BgYAptdBuErwdk3acbQSs/+1DK/edinGDQqvOb2rpBq3vrAapbUN"
                             "lsELAIeKCIeK/A0ekY5lI3jD2jfx6+2TlPb/J7WmYTmAWsHrP72kph6z//U+/vTuRlTVu4OGW1Xvxp+WbMTsf75vObzm7EPw"
                             "hrnvmqQTTSsC/MS2NaNfehaMXwre7tPTEpz4wTlD8aPxw3Dx2YO63LHlcnuwfm8JPtx5BKu+LbLEaLPgtTVegPBsyTt3/LoH"
                             "wK+MBmu7O3wmeHsGnehEv4zWJ+LL6hpNvz1S8MYYXoCZaUzpotv3dgsYAAY8+tIiEK4TvPodn+AVvCHue1FJ/h3zOm+i+P1y"
                             "8JOCV/AKXsvgBVh70t9mfgGX/uWObcRYIXgFr+C1Al5aXrLorm+CBnyybf2E4LITht0AAAP3SURBVBW8gtdkvACgaE8EchoQ"
                             "cMlfbv+SgHzBK3gFr4l4Ge+UvHPnxpABt8JXHwSjXvAKXtPwclzjdSkOerBbo919ePSJW0sAekzwCl7T8CJu8QJMjxW/fXtp"
                             "2IAB4JjjyDMM7BC8glfwGogX2FFSWfTvnnz2CBh5eV6F6VcANMEreAWvIXg1Zu1XWJfn7YlnUMvouz57rzjtoqtBwEzBK3gF"
                             "r654AeL5pYvuejMYmwqCjOOFaU8w8IngFbyCV0e84I9LuNeTwboMGjAWzfNprN0I4LjgFbyCN/p4GTjuUXETFs3zRR8wgPIn"
                             "7yxjxg1gaIJX8AreqJ67RkQ3lL91Z1koJkMCDADHn7x9LRH/RvAKXsEbveNg4vtL8m9fG6rHsN4F6frs/U3pF1+tArhY8Ape"
                             "S+LVs3yjfXxMfylddMffw7EYwfsgmQb86eUF0HCn4BW8gjfcben5kkW/+GU33xbdJnT70zumFv0awFLBK3gFbxjNZvC7JUj/"
                             "dbh4IwQMIC/Pm5igXH8KseAVvII3qG0JWJqQqt4Qyohz1PrA7aP20/e89d+fVJDu6TUAhCmCV/AK3iCazci4tXbhTRG/hJoQ"
                             "tWAa+IeX8xh4VPAKXsEbeMCqZPEv5kfSbNYJcGsM/MOL9zLoaXCAfQtewRufeDUmvr80/87/G01vUQcMAP1//9JMIiwE0F/w"
                             "Cl5b4o1iGTBwnIhuCGeet6dQ9AB8/O+3r/U5tIkd7p0WvII3DvEC/LFX5Yl64AWiMIgVKBo+W9ZQP/CmN9N6t3gJuMRvbS94"
                             "BW/s4tVAPL8Eve5ueOcWl17OCAbEwIdfvhDMzzEwXvAK3jjAu4NZ+1Xp4rs26G1LMQJw6d9+saE0uWgymB4EUC94BW+M4q0H"
                             "0wMlFcVTjMBrWA3cPgY/8Nogr+r5B4F+KngFbwyV79uKQg/1tIaV7QG3xaDfvjSNFfyJNcwRvILXtuXLtByK9kR3S7/GJOBT"
                             "kH/3ykRm/iODrzt1PIJX8Fq7fBnAYrD2ZKA3JsQN4LYY8NAro4l89zMrPwO4j60K1wbPtAreqOy7BoS3Na/v6WMFd++xghvL"
                             "AG6LM+97OrEhIXkOmG4hotkMOAWv4DURr4cYK0D8etKJphX7P7y/2UpeLAe4Y628IBvsmAvQZWhdETNT8Ape3cuXUAXGOgCr"
                             "NcVXcOytuyutasTSgDvE/PnKoLrhuZqizQLz9wGaAqCf4BW8USjfMgBbAPoEwCclo4t2Ii9PswML+wD2E8P/65XeTcyjCDyK"
                             "gFEgnE2MLCakA0hnRjoB6QDS2p8rxcEFLHjBAOoBuAC4mOEiggtMVYBWCFb2koP3qI2OwsNLb6u1q4H/D3iJk1dPWVtCAAAA"
                             "AElFTkSuQmCC"
                             R"("},
        {"type": "memo", "name": "txtTitolo", "left": 98.26778, "top": 11.33859, "width": 608.50433, "height": 52.91342,
         "fill": "#C4580E", "color": "#FFFFFF", "font": {"family": "Arial", "size": 16, "bold": true},
         "align": "center", "valign": "center", "text": "Titolo Scheda"},
        {"type": "line", "name": "linSepara01", "left": 11.33859, "top": 86.92919, "width": 695.43352, "height": 0,
         "color": "#C4580E", "stroke": 2},
        {"type": "memo", "name": "titCampo01", "left": 11.33859, "top": 102.04731, "width": 196.53556, "height": 22.67718,
         "fill": "#1F7A80", "color": "#FFFFFF", "font": {"family": "Arial", "size": 9}, "valign": "center", "gapX": 7.55906,
         "text": "Cognome e nome:"},
        {"type": "memo", "name": "txtCampo01", "left": 222.99227, "top": 102.04731, "width": 483.77984, "height": 22.67718,
         "color": "#000000", "font": {"family": "Arial", "size": 10}, "valign": "center", "gapX": 5.66929,
         "frame": {"sides": "b", "stroke": 0.75, "color": "#B8C4CC"},
         "text": "Campo 1"},
        {"type": "memo", "name": "titCampo02", "left": 11.33859, "top": 139.84261, "width": 196.53556, "height": 22.67718,
         "fill": "#1F7A80", "color": "#FFFFFF", "font": {"family": "Arial", "size": 9}, "valign": "center", "gapX": 7.55906,
         "text": "Data di nascita:"},
        {"type": "memo", "name": "txtCampo02", "left": 222.99227, "top": 139.84261, "width": 483.77984, "height": 22.67718,
         "color": "#000000", "font": {"family": "Arial", "size": 10}, "valign": "center", "gapX": 5.66929,
         "frame": {"sides": "b", "stroke": 0.75, "color": "#B8C4CC"},
         "text": "Campo 2"},
        {"type": "memo", "name": "titCampo03", "left": 11.33859, "top": 177.63791, "width": 196.53556, "height": 22.67718,
         "fill": "#1F7A80", "color": "#FFFFFF", "font": {"family": "Arial", "size": 9}, "valign": "center", "gapX": 7.55906,
         "text": "Comune di nascita:"},
        {"type": "memo", "name": "txtCampo03", "left": 222.99227, "top": 177.63791, "width": 483.77984, "height": 22.67718,
         "color": "#000000", "font": {"family": "Arial", "size": 10}, "valign": "center", "gapX": 5.66929,
         "frame": {"sides": "b", "stroke": 0.75, "color": "#B8C4CC"},
         "text": "Campo 3"},
        {"type": "memo", "name": "titCampo04", "left": 11.33859, "top": 215.43321, "width": 196.53556, "height": 22.67718,
         "fill": "#1F7A80", "color": "#FFFFFF", "font": {"family": "Arial", "size": 9}, "valign": "center", "gapX": 7.55906,
         "text": "Sesso:"},
        {"type": "memo", "name": "txtCampo04", "left": 222.99227, "top": 215.43321, "width": 483.77984, "height": 22.67718,
         "color": "#000000", "font": {"family": "Arial", "size": 10}, "valign": "center", "gapX": 5.66929,
         "frame": {"sides": "b", "stroke": 0.75, "color": "#B8C4CC"},
         "text": "Campo 4"},
        {"type": "memo", "name": "titCampo05", "left": 11.33859, "top": 253.22851, "width": 196.53556, "height": 22.67718,
         "fill": "#1F7A80", "color": "#FFFFFF", "font": {"family": "Arial", "size": 9}, "valign": "center", "gapX": 7.55906,
         "text": "Tel. preferenziale:"},
        {"type": "memo", "name": "txtCampo05", "left": 222.99227, "top": 253.22851, "width": 483.77984, "height": 22.67718,
         "color": "#000000", "font": {"family": "Arial", "size": 10}, "valign": "center", "gapX": 5.66929,
         "frame": {"sides": "b", "stroke": 0.75, "color": "#B8C4CC"},
         "text": "Campo 5"},
        {"type": "memo", "name": "titCampo06", "left": 11.33859, "top": 291.02381, "width": 196.53556, "height": 22.67718,
         "fill": "#1F7A80", "color": "#FFFFFF", "font": {"family": "Arial", "size": 9}, "valign": "center", "gapX": 7.55906,
         "text": "Indirizzo di residenza:"},
        {"type": "memo", "name": "txtCampo06", "left": 222.99227, "top": 291.02381, "width": 483.77984, "height": 22.67718,
         "color": "#000000", "font": {"family": "Arial", "size": 10}, "valign": "center", "gapX": 5.66929,
         "frame": {"sides": "b", "stroke": 0.75, "color": "#B8C4CC"},
         "text": "Campo 6"},
        {"type": "memo", "name": "titCampo07", "left": 11.33859, "top": 328.81911, "width": 196.53556, "height": 22.67718,
         "fill": "#1F7A80", "color": "#FFFFFF", "font": {"family": "Arial", "size": 9}, "valign": "center", "gapX": 7.55906,
         "text": "Comune di residenza:"},
        {"type": "memo", "name": "txtCampo07", "left": 222.99227, "top": 328.81911, "width": 483.77984, "height": 22.67718,
         "color": "#000000", "font": {"family": "Arial", "size": 10}, "valign": "center", "gapX": 5.66929,
         "frame": {"sides": "b", "stroke": 0.75, "color": "#B8C4CC"},
         "text": "Campo 7"},
        {"type": "memo", "name": "titCampo08", "left": 11.33859, "top": 366.61441, "width": 196.53556, "height": 22.67718,
         "fill": "#1F7A80", "color": "#FFFFFF", "font": {"family": "Arial", "size": 9}, "valign": "center", "gapX": 7.55906,
         "text": "Modalità pagamento:"},
        {"type": "memo", "name": "txtCampo08", "left": 222.99227, "top": 366.61441, "width": 483.77984, "height": 22.67718,
         "color": "#000000", "font": {"family": "Arial", "size": 10}, "valign": "center", "gapX": 5.66929,
         "frame": {"sides": "b", "stroke": 0.75, "color": "#B8C4CC"},
         "text": "Campo 8"},
        {"type": "memo", "name": "titCampo09", "left": 11.33859, "top": 404.40971, "width": 196.53556, "height": 22.67718,
         "fill": "#1F7A80", "color": "#FFFFFF", "font": {"family": "Arial", "size": 9}, "valign": "center", "gapX": 7.55906,
         "text": "Tel. casa:"},
        {"type": "memo", "name": "txtCampo09", "left": 222.99227, "top": 404.40971, "width": 483.77984, "height": 22.67718,
         "color": "#000000", "font": {"family": "Arial", "size": 10}, "valign": "center", "gapX": 5.66929,
         "frame": {"sides": "b", "stroke": 0.75, "color": "#B8C4CC"},
         "text": "Campo 9"},
        {"type": "memo", "name": "titCampo10", "left": 11.33859, "top": 442.20501, "width": 196.53556, "height": 22.67718,
         "fill": "#1F7A80", "color": "#FFFFFF", "font": {"family": "Arial", "size": 9}, "valign": "center", "gapX": 7.55906,
         "text": "Tel. ufficio:"},
        {"type": "memo", "name": "txtCampo10", "left": 222.99227, "top": 442.20501, "width": 483.77984, "height": 22.67718,
         "color": "#000000", "font": {"family": "Arial", "size": 10}, "valign": "center", "gapX": 5.66929,
         "frame": {"sides": "b", "stroke": 0.75, "color": "#B8C4CC"},
         "text": "Campo 10"},
        {"type": "memo", "name": "titCampo11", "left": 11.33859, "top": 480.00031, "width": 196.53556, "height": 22.67718,
         "fill": "#1F7A80", "color": "#FFFFFF", "font": {"family": "Arial", "size": 9}, "valign": "center", "gapX": 7.55906,
         "text": "Tel. cellulare:"},
        {"type": "memo", "name": "txtCampo11", "left": 222.99227, "top": 480.00031, "width": 483.77984, "height": 22.67718,
         "color": "#000000", "font": {"family": "Arial", "size": 10}, "valign": "center", "gapX": 5.66929,
         "frame": {"sides": "b", "stroke": 0.75, "color": "#B8C4CC"},
         "text": "Campo 11"},
        {"type": "memo", "name": "titCampo12", "left": 11.33859, "top": 517.79561, "width": 196.53556, "height": 22.67718,
         "fill": "#1F7A80", "color": "#FFFFFF", "font": {"family": "Arial", "size": 9}, "valign": "center", "gapX": 7.55906,
         "text": "PEC:"},
        {"type": "memo", "name": "txtCampo12", "left": 222.99227, "top": 517.79561, "width": 483.77984, "height": 22.67718,
         "color": "#000000", "font": {"family": "Arial", "size": 10}, "valign": "center", "gapX": 5.66929,
         "frame": {"sides": "b", "stroke": 0.75, "color": "#B8C4CC"},
         "text": "Campo 12"},
        {"type": "memo", "name": "titCampo13", "left": 11.33859, "top": 555.59091, "width": 196.53556, "height": 22.67718,
         "fill": "#1F7A80", "color": "#FFFFFF", "font": {"family": "Arial", "size": 9}, "valign": "center", "gapX": 7.55906,
         "text": "E-mail:"},
        {"type": "memo", "name": "txtCampo13", "left": 222.99227, "top": 555.59091, "width": 483.77984, "height": 22.67718,
         "color": "#000000", "font": {"family": "Arial", "size": 10}, "valign": "center", "gapX": 5.66929,
         "frame": {"sides": "b", "stroke": 0.75, "color": "#B8C4CC"},
         "text": "Campo 13"},
        {"type": "memo", "name": "titCampo14", "left": 11.33859, "top": 593.38621, "width": 196.53556, "height": 22.67718,
         "fill": "#1F7A80", "color": "#FFFFFF", "font": {"family": "Arial", "size": 9}, "valign": "center", "gapX": 7.55906,
         "text": "Codice fiscale:"},
        {"type": "memo", "name": "txtCampo14", "left": 222.99227, "top": 593.38621, "width": 483.77984, "height": 22.67718,
         "color": "#000000", "font": {"family": "Arial", "size": 10}, "valign": "center", "gapX": 5.66929,
         "frame": {"sides": "b", "stroke": 0.75, "color": "#B8C4CC"},
         "text": "Campo 14"},
        {"type": "memo", "name": "titCampo15", "left": 11.33859, "top": 631.18151, "width": 196.53556, "height": 22.67718,
         "fill": "#1F7A80", "color": "#FFFFFF", "font": {"family": "Arial", "size": 9}, "valign": "center", "gapX": 7.55906,
         "text": "Partita IVA:"},
        {"type": "memo", "name": "txtCampo15", "left": 222.99227, "top": 631.18151, "width": 483.77984, "height": 22.67718,
         "color": "#000000", "font": {"family": "Arial", "size": 10}, "valign": "center", "gapX": 5.66929,
         "frame": {"sides": "b", "stroke": 0.75, "color": "#B8C4CC"},
         "text": "Campo 15"},
        {"type": "memo", "name": "titCampo16", "left": 11.33859, "top": 668.97681, "width": 196.53556, "height": 22.67718,
         "fill": "#1F7A80", "color": "#FFFFFF", "font": {"family": "Arial", "size": 9}, "valign": "center", "gapX": 7.55906,
         "text": "Carta di credito:"},
        {"type": "memo", "name": "txtCampo16", "left": 222.99227, "top": 668.97681, "width": 483.77984, "height": 22.67718,
         "color": "#000000", "font": {"family": "Arial", "size": 10}, "valign": "center", "gapX": 5.66929,
         "frame": {"sides": "b", "stroke": 0.75, "color": "#B8C4CC"},
         "text": "Campo 16"},
        {"type": "memo", "name": "titCampo17", "left": 11.33859, "top": 706.77211, "width": 196.53556, "height": 22.67718,
         "fill": "#1F7A80", "color": "#FFFFFF", "font": {"family": "Arial", "size": 9}, "valign": "center", "gapX": 7.55906,
         "text": "IBAN:"},
        {"type": "memo", "name": "txtCampo17", "left": 222.99227, "top": 706.77211, "width": 483.77984, "height": 22.67718,
         "color": "#000000", "font": {"family": "Arial", "size": 10}, "valign": "center", "gapX": 5.66929,
         "frame": {"sides": "b", "stroke": 0.75, "color": "#B8C4CC"},
         "text": "Campo 17"},
        {"type": "memo", "name": "titCampo18", "left": 11.33859, "top": 744.56741, "width": 196.53556, "height": 22.67718,
         "fill": "#1F7A80", "color": "#FFFFFF", "font": {"family": "Arial", "size": 9}, "valign": "center", "gapX": 7.55906,
         "text": "Estremi documento:"},
        {"type": "memo", "name": "txtCampo18", "left": 222.99227, "top": 744.56741, "width": 483.77984, "height": 22.67718,
         "color": "#000000", "font": {"family": "Arial", "size": 10}, "valign": "center", "gapX": 5.66929,
         "frame": {"sides": "b", "stroke": 0.75, "color": "#B8C4CC"},
         "text": "Campo 18"},
        {"type": "memo", "name": "titCampo19", "left": 11.33859, "top": 782.36271, "width": 196.53556, "height": 22.67718,
         "fill": "#1F7A80", "color": "#FFFFFF", "font": {"family": "Arial", "size": 9}, "valign": "center", "gapX": 7.55906,
         "text": "Occupazione:"},
        {"type": "memo", "name": "txtCampo19", "left": 222.99227, "top": 782.36271, "width": 483.77984, "height": 22.67718,
         "color": "#000000", "font": {"family": "Arial", "size": 10}, "valign": "center", "gapX": 5.66929,
         "frame": {"sides": "b", "stroke": 0.75, "color": "#B8C4CC"},
         "text": "Campo 19"},
        {"type": "memo", "name": "titCampo20", "left": 11.33859, "top": 820.15801, "width": 196.53556, "height": 22.67718,
         "fill": "#1F7A80", "color": "#FFFFFF", "font": {"family": "Arial", "size": 9}, "valign": "center", "gapX": 7.55906,
         "text": "Titoli e qualifiche:"},
        {"type": "memo", "name": "txtCampo20", "left": 222.99227, "top": 820.15801, "width": 483.77984, "height": 22.67718,
         "color": "#000000", "font": {"family": "Arial", "size": 10}, "valign": "center", "gapX": 5.66929,
         "frame": {"sides": "b", "stroke": 0.75, "color": "#B8C4CC"},
         "text": "Campo 20"},
        {"type": "memo", "name": "titCampo21", "left": 11.33859, "top": 857.95331, "width": 196.53556, "height": 22.67718,
         "fill": "#1F7A80", "color": "#FFFFFF", "font": {"family": "Arial", "size": 9}, "valign": "center", "gapX": 7.55906,
         "text": "Prodotti e servizi:"},
        {"type": "memo", "name": "txtCampo21", "left": 222.99227, "top": 857.95331, "width": 483.77984, "height": 22.67718,
         "color": "#000000", "font": {"family": "Arial", "size": 10}, "valign": "center", "gapX": 5.66929,
         "frame": {"sides": "b", "stroke": 0.75, "color": "#B8C4CC"},
         "text": "Campo 21"},
        {"type": "memo", "name": "titCampo22", "left": 11.33859, "top": 895.74861, "width": 196.53556, "height": 22.67718,
         "fill": "#1F7A80", "color": "#FFFFFF", "font": {"family": "Arial", "size": 9}, "valign": "center", "gapX": 7.55906,
         "text": "Zona:"},
        {"type": "memo", "name": "txtCampo22", "left": 222.99227, "top": 895.74861, "width": 483.77984, "height": 22.67718,
         "color": "#000000", "font": {"family": "Arial", "size": 10}, "valign": "center", "gapX": 5.66929,
         "frame": {"sides": "b", "stroke": 0.75, "color": "#B8C4CC"},
         "text": "Campo 22"},
        {"type": "memo", "name": "titCampo23", "left": 11.33859, "top": 933.54391, "width": 196.53556, "height": 22.67718,
         "fill": "#1F7A80", "color": "#FFFFFF", "font": {"family": "Arial", "size": 9}, "valign": "center", "gapX": 7.55906,
         "text": "Questioni in sospeso:"},
        {"type": "memo", "name": "txtCampo23", "left": 222.99227, "top": 933.54391, "width": 483.77984, "height": 22.67718,
         "color": "#000000", "font": {"family": "Arial", "size": 10}, "valign": "center", "gapX": 5.66929,
         "frame": {"sides": "b", "stroke": 0.75, "color": "#B8C4CC"},
         "text": "Campo 23"},
        {"type": "memo", "name": "titCampo24", "left": 11.33859, "top": 971.33921, "width": 196.53556, "height": 22.67718,
         "fill": "#1F7A80", "color": "#FFFFFF", "font": {"family": "Arial", "size": 9}, "valign": "center", "gapX": 7.55906,
         "text": "Note:"},
        {"type": "memo", "name": "txtCampo24", "left": 222.99227, "top": 971.33921, "width": 483.77984, "height": 22.67718,
         "color": "#000000", "font": {"family": "Arial", "size": 10}, "valign": "center", "gapX": 5.66929,
         "frame": {"sides": "b", "stroke": 0.75, "color": "#B8C4CC"},
         "text": "Campo 24"},
        {"type": "line", "name": "linSepara02", "left": 11.33859, "top": 1009.13451, "width": 695.43352, "height": 0,
         "color": "#C4580E", "stroke": 2},
        {"type": "memo", "name": "txtCalce", "left": 11.33859, "top": 1016.69357, "width": 695.43352, "height": 22.67718,
         "fill": "#C4580E", "color": "#FFFFFF", "font": {"family": "Arial", "size": 10},
         "align": "center", "valign": "center", "text": "Termine scheda"}
      ]
    }]
  }],
  "preview": {"zoom": 100, "buttons": ["print", "zoom", "fullscreen", "close"]}
})");
}
