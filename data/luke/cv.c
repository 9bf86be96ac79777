 1: 1	FN	finish this: Forasmuch as many have taken in hand to set ...?	forth in order a declaration of those things which are most surely believed among us,
 1: 3	FN	finish this: It seemed good to me also, having had perfect understanding ...?	of all things from the very first, to write unto thee in order, most excellent Theophilus,
 1: 4	FN	finish this: That thou mightest know the ...?	certainty of those things, wherein thou hast been instructed.
 1: 8	FN	finish this: And it came to pass, that while he ...?	executed the priest's office before God in the order of his course,
 1: 9	FN	finish this: According to the custom of the priest's office, his ...?	lot was to burn incense when he went into the temple of the Lord.
 1:10	FN	finish this: And the whole multitude of the ...?	people were praying without at the time of incense.
 1:12	FN	finish this: And when Zacharias saw him ...?	he was troubled, and fear fell upon him.
 1:14	FN	finish this: And thou shalt have joy ...?	and gladness; and many shall rejoice at his birth.
 1:18	FN	finish this: And Zacharias said unto the angel, Whereby shall I ...?	know this? for I am an old man, and my wife well stricken in years.
 1:19	WH	who said, "I am Gabriel, that stand in the presence ..."?	The angel
 1:23	FN	finish this: And it came to pass, that, as soon ...?	as the days of his ministration were accomplished, he departed to his own house.
 1:28	FN	finish this: And the angel came in unto her, and said, Hail ...?	thou that art highly favoured, the Lord is with thee: blessed art thou among women.
 1:35	WH	who said, "The Holy Ghost shall come upon thee ..."?	The angel
 1:38	WT	what did Mary say?	Behold the handmaid of the Lord; be it unto me according to thy word
 1:39	WH	who arose in those days?	Mary
 1:51	FN	finish this: He hath shewed strength with his arm ...?	he hath scattered the proud in the imagination of their hearts.
 1:52	FN	finish this: He hath put down the mighty ...?	from their seats, and exalted them of low degree.
 1:54	FN	finish this: He hath holpen his ...?	servant Israel, in remembrance of his mercy;
 1:59	FN	finish this: And it came to pass, that on the eighth day ...?	they came to circumcise the child; and they called him Zacharias, after the name of his father.
 1:63	FN	finish this: And he asked for a writing table ...?	and wrote, saying, His name is John. And they marvelled all.
 1:68	FN	finish this: Blessed be the Lord God of ...?	Israel; for he hath visited and redeemed his people,
 1:72	FN	finish this: To perform the mercy promised ...?	to our fathers, and to remember his holy covenant;
 1:75	FN	finish this: In holiness and righteousness ...?	before him, all the days of our life.
 2: 2	FN	finish this: (And this taxing was ...?	first made when Cyrenius was governor of Syria.)
 2: 5	FN	finish this: To be taxed with ...?	Mary his espoused wife, being great with child.
 2:12	FN	finish this: And this shall be a sign unto you ...?	Ye shall find the babe wrapped in swaddling clothes, lying in a manger.
 2:13	FN	finish this: And suddenly there was with the ...?	angel a multitude of the heavenly host praising God, and saying,
 2:17	FN	finish this: And when they had seen it, they ...?	made known abroad the saying which was told them concerning this child.
 2:18	FN	finish this: And all they that heard it ...?	wondered at those things which were told them by the shepherds.
 2:20	FN	finish this: And the shepherds returned, glorifying and praising God for ...?	all the things that they had heard and seen, as it was told unto them.
 2:22	FN	finish this: And when the days of her purification according to the ...?	law of Moses were accomplished, they brought him to Jerusalem, to present him to the Lord;
 2:24	FN	finish this: And to offer a sacrifice according to that which is ...?	said in the law of the Lord, A pair of turtledoves, or two young pigeons.
 2:29	FN	finish this: Lord, now lettest thou thy ...?	servant depart in peace, according to thy word:
 2:32	FN	finish this: A light to lighten the ...?	Gentiles, and the glory of thy people Israel.
 2:34	FN	finish this: And Simeon blessed them, and said unto Mary his mother, Behold, this ...?	child is set for the fall and rising again of many in Israel; and for a sign which shall be spoken against;
 2:36	FN	finish this: And there was one Anna, a prophetess, the daughter of Phanuel, of ...?	the tribe of Aser: she was of a great age, and had lived with an husband seven years from her virginity;
 2:38	FN	finish this: And she coming in that instant gave thanks likewise unto ...?	the Lord, and spake of him to all them that looked for redemption in Jerusalem.
 2:41	FN	finish this: Now his parents went to ...?	Jerusalem every year at the feast of the passover.
 2:43	FN	finish this: And when they had fulfilled the days, as they returned ...?	the child Jesus tarried behind in Jerusalem; and Joseph and his mother knew not of it.
 2:45	FN	finish this: And when they found him ...?	not, they turned back again to Jerusalem, seeking him.
 2:48	WH	who said, "Son, why hast thou thus dealt with ..."?	His mother
 3: 8	FN	finish this: Bring forth therefore fruits worthy of repentance, and begin not to say ...?	within yourselves, We have Abraham to our father: for I say unto you, That God is able of these stones to raise up children unto Abraham.
 3:16	WT	what did John say unto the people?	I indeed baptize you with water; but one mightier than I cometh, the latchet of whose shoes I am not worthy to unloose: he shall baptize you with the Holy Ghost and with fire:
 3:18	FN	finish this: And many other things ...?	in his exhortation preached he unto the people.
 3:21	FN	finish this: Now when all the people were baptized, it ...?	came to pass, that Jesus also being baptized, and praying, the heaven was opened,
 3:22	FN	finish this: And the Holy Ghost descended in a bodily shape like a dove ...?	upon him, and a voice came from heaven, which said, Thou art my beloved Son; in thee I am well pleased.
 3:24	WH	whose son was Janna?	Joseph
 3:30	WH	whose son was Juda?	Joseph
 3:35	WH	whose son was Phalec?	Heber
 4: 1	FN	finish this: And Jesus being full of the Holy Ghost ...?	returned from Jordan, and was led by the Spirit into the wilderness,
 4: 3	WT	what did the devil say?	If thou be the Son of God, command this stone that it be made bread.
 4: 4	FN	finish this: And Jesus answered him, saying, It is written ...?	That man shall not live by bread alone, but by every word of God.
 4: 6	WT	what did the devil say?	All this power will I give thee, and the glory of them: for that is delivered unto me; and to whomsoever I will I give it.
 4: 8	WH	who answered and said unto him?	Jesus
 4:12	WT	what did Jesus say?	It is said, Thou shalt not tempt the Lord thy God.
 4:15	FN	finish this: And he taught in ...?	their synagogues, being glorified of all.
 4:17	FN	finish this: And there was delivered unto him the book of the ...?	prophet Esaias. And when he had opened the book, he found the place where it was written,
 4:20	FN	finish this: And he closed the book, and he gave it again to the ...?	minister, and sat down. And the eyes of all them that were in the synagogue were fastened on him.
 4:24	FN	finish this: And he said, Verily I say ...?	unto you, No prophet is accepted in his own country.
 4:26	FN	finish this: But unto none of them was Elias sent ...?	save unto Sarepta, a city of Sidon, unto a woman that was a widow.
 4:27	FN	finish this: And many lepers were in Israel in the time ...?	of Eliseus the prophet; and none of them was cleansed, saving Naaman the Syrian.
 4:29	FN	finish this: And rose up, and thrust him out of the city, and led ...?	him unto the brow of the hill whereon their city was built, that they might cast him down headlong.
 4:30	FN	finish this: But he passing through ...?	the midst of them went his way,
 4:31	FN	finish this: And came down to Capernaum, a ...?	city of Galilee, and taught them on the sabbath days.
 4:34	FN	finish this: Saying, Let us alone; what have we to do with thee, thou ...?	Jesus of Nazareth? art thou come to destroy us? I know thee who thou art; the Holy One of God.
 4:36	FN	finish this: And they were all amazed, and spake among themselves, saying, What ...?	a word is this! for with authority and power he commandeth the unclean spirits, and they come out.
 4:41	FN	finish this: And devils also came out of many, crying out, and saying, Thou ...?	art Christ the Son of God. And he rebuking them suffered them not to speak: for they knew that he was Christ.
 4:43	WH	to whom did Jesus say, "I must preach the kingdom of God to ..."?	The people
 4:44	FN	finish this: And he preached ...?	in the synagogues of Galilee.
 5: 1	FN	finish this: And it came to pass, that, as the people pressed ...?	upon him to hear the word of God, he stood by the lake of Gennesaret,
 5:17	FN	finish this: And it came to pass on a certain day, as he was ...?	teaching, that there were Pharisees and doctors of the law sitting by, which were come out of every town of Galilee, and Judaea, and Jerusalem: and the power of the Lord ...
 5:18	FN	finish this: And, behold, men brought in a bed a man which was ...?	taken with a palsy: and they sought means to bring him in, and to lay him before him.
 5:24	FN	finish this: But that ye may know that the Son of man hath power ...?	upon earth to forgive sins, (he said unto the sick of the palsy,) I say unto thee, Arise, and take up thy couch, and go into thine house.
 5:28	FN	finish this: And he left ...?	all, rose up, and followed him.
 5:36	FN	finish this: And he spake also a parable unto them; No man putteth a ...?	piece of a new garment upon an old; if otherwise, then both the new maketh a rent, and the piece that was taken out of the new agreeth not with the old.
 5:39	FN	finish this: No man also having drunk old ...?	wine straightway desireth new: for he saith, The old is better.
 6: 2	WT	what did certain of the Pharisees say unto the Pharisees?	Why do ye that which is not lawful to do on the sabbath days?
 6: 4	FN	finish this: How he went into the house of God, and did take and ...?	eat the shewbread, and gave also to them that were with him; which it is not lawful to eat but for the priests alone?
 6: 9	WT	what did Jesus say?	I will ask you one thing; Is it lawful on the sabbath days to do good, or to do evil? to save life, or to destroy it?
 6:10	FN	finish this: And looking round about upon them all, he said unto the ...?	man, Stretch forth thy hand. And he did so: and his hand was restored whole as the other.
 6:19	FN	finish this: And the whole multitude sought to touch ...?	him: for there went virtue out of him, and healed them all.
 6:22	FN	finish this: Blessed are ye, when men shall hate you, and when they shall ...?	separate you from their company, and shall reproach you, and cast out your name as evil, for the Son of man's sake.
 6:23	FN	finish this: Rejoice ye in that day, and leap for joy: for, behold ...?	your reward is great in heaven: for in the like manner did their fathers unto the prophets.
 6:25	FN	finish this: Woe unto you that are full! for ye ...?	shall hunger. Woe unto you that laugh now! for ye shall mourn and weep.
 6:27	FN	finish this: But I say unto you which ...?	hear, Love your enemies, do good to them which hate you,
 6:28	FN	finish this: Bless them that curse you ...?	and pray for them which despitefully use you.
 6:29	FN	finish this: And unto him that smiteth thee on the one cheek offer ...?	also the other; and him that taketh away thy cloak forbid not to take thy coat also.
 6:33	FN	finish this: And if ye do good to them which do ...?	good to you, what thank have ye? for sinners also do even the same.
 6:35	FN	finish this: But love ye your enemies, and do good, and lend, hoping for ...?	nothing again; and your reward shall be great, and ye shall be the children of the Highest: for he is kind unto the unthankful and to the evil.
 6:37	FN	finish this: Judge not, and ye shall not be judged ...?	condemn not, and ye shall not be condemned: forgive, and ye shall be forgiven:
 6:40	FN	finish this: The disciple is not above his master ...?	but every one that is perfect shall be as his master.
 6:42	FN	finish this: Either how canst thou say to thy brother, Brother, let me pull ...?	out the mote that is in thine eye, when thou thyself beholdest not the beam that is in thine own eye? Thou hypocrite, cast out first the beam out of thine ...
 6:48	FN	finish this: He is like a man which built an house, and digged deep ...?	and laid the foundation on a rock: and when the flood arose, the stream beat vehemently upon that house, and could not shake it: for it was founded upon a rock.
 7: 2	FN	finish this: And a certain centurion's servant, who ...?	was dear unto him, was sick, and ready to die.
 7: 7	FN	finish this: Wherefore neither thought I myself worthy to come ...?	unto thee: but say in a word, and my servant shall be healed.
 7:14	FN	finish this: And he came and touched the bier: and they ...?	that bare him stood still. And he said, Young man, I say unto thee, Arise.
 7:16	FN	finish this: And there came a fear on all: and they glorified God ...?	saying, That a great prophet is risen up among us; and, That God hath visited his people.
 7:21	FN	finish this: And in that same hour he cured many of their ...?	infirmities and plagues, and of evil spirits; and unto many that were blind he gave sight.
 7:23	FN	finish this: And blessed is he ...?	whosoever shall not be offended in me.
 7:24	FN	finish this: And when the messengers of John were departed, he began to speak ...?	unto the people concerning John, What went ye out into the wilderness for to see? A reed shaken with the wind?
 7:35	FN	finish this: But wisdom is ...?	justified of all her children.
 7:40	WH	who said, "Simon, I have somewhat to say unto thee ..."?	Jesus
 7:44	FN	finish this: And he turned to the woman, and said unto Simon, Seest thou ...?	this woman? I entered into thine house, thou gavest me no water for my feet: but she hath washed my feet with tears, and wiped them with the hairs of her head.
 7:46	FN	finish this: My head with oil thou didst ...?	not anoint: but this woman hath anointed my feet with ointment.
 7:47	FN	finish this: Wherefore I say unto thee, Her sins, which are many ...?	are forgiven; for she loved much: but to whom little is forgiven, the same loveth little.
 8: 1	FN	finish this: And it came to pass afterward, that he went throughout every city ...?	and village, preaching and shewing the glad tidings of the kingdom of God: and the twelve were with him,
 8: 3	FN	finish this: And Joanna the wife of Chuza Herod's steward ...?	and Susanna, and many others, which ministered unto him of their substance.
 8: 5	FN	finish this: A sower went out to sow his seed: and as he sowed ...?	some fell by the way side; and it was trodden down, and the fowls of the air devoured it.
 8: 7	FN	finish this: And some fell among thorns; and ...?	the thorns sprang up with it, and choked it.
 8:17	FN	finish this: For nothing is secret, that shall not be ...?	made manifest; neither any thing hid, that shall not be known and come abroad.
 8:19	FN	finish this: Then came to him his mother and ...?	his brethren, and could not come at him for the press.
 8:20	FN	finish this: And it was told him by certain which ...?	said, Thy mother and thy brethren stand without, desiring to see thee.
 8:22	FN	finish this: Now it came to pass on a certain day, that he went ...?	into a ship with his disciples: and he said unto them, Let us go over unto the other side of the lake. And they launched forth.
 8:26	FN	finish this: And they arrived at the ...?	country of the Gadarenes, which is over against Galilee.
 8:27	FN	finish this: And when he went forth to land, there met him out of ...?	the city a certain man, which had devils long time, and ware no clothes, neither abode in any house, but in the tombs.
 8:29	FN	finish this: (For he had commanded the unclean spirit to come out of the ...?	man. For oftentimes it had caught him: and he was kept bound with chains and in fetters; and he brake the bands, and was driven of the devil into the ...
 8:31	FN	finish this: And they besought him that he ...?	would not command them to go out into the deep.
 8:32	FN	finish this: And there was there an herd of many swine feeding on the ...?	mountain: and they besought him that he would suffer them to enter into them. And he suffered them.
 8:33	FN	finish this: Then went the devils out of the man, and entered into ...?	the swine: and the herd ran violently down a steep place into the lake, and were choked.
 8:34	FN	finish this: When they that fed them saw what was done ...?	they fled, and went and told it in the city and in the country.
 8:36	FN	finish this: They also which saw it told them ...?	by what means he that was possessed of the devils was healed.
 8:39	FN	finish this: Return to thine own house, and shew how great things God hath ...?	done unto thee. And he went his way, and published throughout the whole city how great things Jesus had done unto him.
 8:46	WH	who said, "Somebody hath touched me ..."?	Jesus
 8:48	FN	finish this: And he said unto her, Daughter, be ...?	of good comfort: thy faith hath made thee whole; go in peace.
 8:50	FN	finish this: But when Jesus heard it, he answered ...?	him, saying, Fear not: believe only, and she shall be made whole.
 8:51	FN	finish this: And when he came into the house, he suffered no man ...?	to go in, save Peter, and James, and John, and the father and the mother of the maiden.
 9: 2	FN	finish this: And he sent them to preach ...?	the kingdom of God, and to heal the sick.
 9: 3	FN	finish this: And he said unto them, Take nothing for your ...?	journey, neither staves, nor scrip, neither bread, neither money; neither have two coats apiece.
 9: 4	FN	finish this: And whatsoever house ye ...?	enter into, there abide, and thence depart.
 9: 6	FN	finish this: And they departed, and went through ...?	the towns, preaching the gospel, and healing every where.
 9:13	FN	finish this: But he said unto them, Give ye them to eat. And they ...?	said, We have no more but five loaves and two fishes; except we should go and buy meat for all this people.
 9:14	HM	how many men are spoken of?	About five thousand men
 9:16	HM	how many loaves are spoken of?	Five loaves
 9:17	HM	how many baskets are spoken of?	Twelve baskets
 9:18	FN	finish this: And it came to pass, as he was alone praying ...?	his disciples were with him: and he asked them, saying, Whom say the people that I am?
 9:23	WH	who said, "If any man will come after me ..."?	Jesus
 9:24	FN	finish this: For whosoever will save his life shall lose it ...?	but whosoever will lose his life for my sake, the same shall save it.
 9:28	HM	how many days are spoken of?	About an eight days
 9:29	FN	finish this: And as he prayed, the fashion of ...?	his countenance was altered, and his raiment was white and glistering.
 9:30	FN	finish this: And, behold, there talked with ...?	him two men, which were Moses and Elias:
 9:34	FN	finish this: While he thus spake, there came a cloud ...?	and overshadowed them: and they feared as they entered into the cloud.
 9:35	FN	finish this: And there came a voice out ...?	of the cloud, saying, This is my beloved Son: hear him.
 9:36	FN	finish this: And when the voice was past, Jesus was found alone. And they ...?	kept it close, and told no man in those days any of those things which they had seen.
 9:37	FN	finish this: And it came to pass, that on the ...?	next day, when they were come down from the hill, much people met him.
 9:39	FN	finish this: And, lo, a spirit taketh him, and he suddenly crieth ...?	out; and it teareth him that he foameth again, and bruising him hardly departeth from him.
 9:40	FN	finish this: And I besought thy disciples ...?	to cast him out; and they could not.
 9:42	WH	who rebuked the unclean spirit?	Jesus
 9:47	FN	finish this: And Jesus, perceiving the thought of ...?	their heart, took a child, and set him by him,
 9:51	FN	finish this: And it came to pass, when the time was come ...?	that he should be received up, he stedfastly set his face to go to Jerusalem,
 9:56	FN	finish this: For the Son of man is not come ...?	to destroy men's lives, but to save them. And they went to another village.
 9:57	WT	what did a certain man say?	Lord, I will follow thee whithersoever thou goest.
 9:60	WH	who said, "Let the dead bury their dead ..."?	Jesus
 9:61	FN	finish this: And another also said, Lord, I will follow thee ...?	but let me first go bid them farewell, which are at home at my house.
 9:62	WH	who said, "No man, having put his hand to the ..."?	Jesus
10: 2	FN	finish this: Therefore said he unto them, The harvest truly is great, but the ...?	labourers are few: pray ye therefore the Lord of the harvest, that he would send forth labourers into his harvest.
10: 3	FN	finish this: Go your ways: behold ...?	I send you forth as lambs among wolves.
10: 4	FN	finish this: Carry neither purse, nor scrip ...?	nor shoes: and salute no man by the way.
10: 6	FN	finish this: And if the son of peace be there ...?	your peace shall rest upon it: if not, it shall turn to you again.
10:11	FN	finish this: Even the very dust of your city, which cleaveth on us, we ...?	do wipe off against you: notwithstanding be ye sure of this, that the kingdom of God is come nigh unto you.
10:13	FN	finish this: Woe unto thee, Chorazin! woe unto thee, Bethsaida! for if the mighty ...?	works had been done in Tyre and Sidon, which have been done in you, they had a great while ago repented, sitting in sackcloth and ashes.
10:16	FN	finish this: He that heareth you heareth me; and he that ...?	despiseth you despiseth me; and he that despiseth me despiseth him that sent me.
10:26	FN	finish this: He said unto him, What ...?	is written in the law? how readest thou?
10:32	FN	finish this: And likewise a Levite, when he was at ...?	the place, came and looked on him, and passed by on the other side.
10:36	FN	finish this: Which now of these three, thinkest ...?	thou, was neighbour unto him that fell among the thieves?
10:37	WT	what did Jesus say?	Go, and do thou likewise.
10:40	FN	finish this: But Martha was cumbered about much serving, and came to him, and ...?	said, Lord, dost thou not care that my sister hath left me to serve alone? bid her therefore that she help me.
10:41	FN	finish this: And Jesus answered and said unto ...?	her, Martha, Martha, thou art careful and troubled about many things:
10:42	FN	finish this: But one thing is needful: and Mary hath ...?	chosen that good part, which shall not be taken away from her.
11: 1	FN	finish this: And it came to pass, that, as he was praying in a ...?	certain place, when he ceased, one of his disciples said unto him, Lord, teach us to pray, as John also taught his disciples.
11: 3	FN	finish this: Give us day ...?	by day our daily bread.
11: 8	FN	finish this: I say unto you, Though he will not rise and give him ...?	because he is his friend, yet because of his importunity he will rise and give him as many as he needeth.
11:13	FN	finish this: If ye then, being evil, know how to give good gifts unto ...?	your children: how much more shall your heavenly Father give the Holy Spirit to them that ask him?
11:15	FN	finish this: But some of them said, He ...?	casteth out devils through Beelzebub the chief of the devils.
11:22	FN	finish this: But when a stronger than he shall come upon him ...?	and overcome him, he taketh from him all his armour wherein he trusted, and divideth his spoils.
11:27	FN	finish this: And it came to pass, as he spake these things, a certain ...?	woman of the company lifted up her voice, and said unto him, Blessed is the womb that bare thee, and the paps which thou hast sucked.
11:33	FN	finish this: No man, when he hath lighted a candle, putteth it in a ...?	secret place, neither under a bushel, but on a candlestick, that they which come in may see the light.
11:34	FN	finish this: The light of the body is the eye: therefore when thine eye ...?	is single, thy whole body also is full of light; but when thine eye is evil, thy body also is full of darkness.
11:36	FN	finish this: If thy whole body therefore be full of light, having no part ...?	dark, the whole shall be full of light, as when the bright shining of a candle doth give thee light.
11:43	FN	finish this: Woe unto you, Pharisees! for ye love ...?	the uppermost seats in the synagogues, and greetings in the markets.
11:44	FN	finish this: Woe unto you, scribes and Pharisees, hypocrites! for ye are ...?	as graves which appear not, and the men that walk over them are not aware of them.
11:47	FN	finish this: Woe unto you! for ye build ...?	the sepulchres of the prophets, and your fathers killed them.
11:48	FN	finish this: Truly ye bear witness that ye allow the ...?	deeds of your fathers: for they indeed killed them, and ye build their sepulchres.
11:52	FN	finish this: Woe unto you, lawyers! for ye have taken away the ...?	key of knowledge: ye entered not in yourselves, and them that were entering in ye hindered.
12: 5	FN	finish this: But I will forewarn you whom ye shall fear: Fear him ...?	which after he hath killed hath power to cast into hell; yea, I say unto you, Fear him.
12: 9	FN	finish this: But he that denieth me before ...?	men shall be denied before the angels of God.
12:19	FN	finish this: And I will say to my soul, Soul, thou hast ...?	much goods laid up for many years; take thine ease, eat, drink, and be merry.
12:21	FN	finish this: So is he that layeth up ...?	treasure for himself, and is not rich toward God.
12:23	FN	finish this: The life is more than ...?	meat, and the body is more than raiment.
12:25	FN	finish this: And which of you with ...?	taking thought can add to his stature one cubit?
12:26	FN	finish this: If ye then be not able to do ...?	that thing which is least, why take ye thought for the rest?
12:27	FN	finish this: Consider the lilies how they grow: they toil not, they spin not ...?	and yet I say unto you, that Solomon in all his glory was not arrayed like one of these.
12:28	FN	finish this: If then God so clothe the grass, which is to day in ...?	the field, and to morrow is cast into the oven; how much more will he clothe you, O ye of little faith?
12:30	FN	finish this: For all these things do the nations of the ...?	world seek after: and your Father knoweth that ye have need of these things.
12:31	FN	finish this: But rather seek ye the kingdom ...?	of God; and all these things shall be added unto you.
12:32	FN	finish this: Fear not, little flock; for it ...?	is your Father's good pleasure to give you the kingdom.
12:33	FN	finish this: Sell that ye have, and give alms; provide yourselves bags which ...?	wax not old, a treasure in the heavens that faileth not, where no thief approacheth, neither moth corrupteth.
12:35	FN	finish this: Let your loins be ...?	girded about, and your lights burning;
12:38	FN	finish this: And if he shall come in the second watch ...?	or come in the third watch, and find them so, blessed are those servants.
12:42	WH	who said, "Who then is that faithful and wise steward ..."?	The Lord
12:45	FN	finish this: But and if that servant say in his heart, My lord delayeth ...?	his coming; and shall begin to beat the menservants and maidens, and to eat and drink, and to be drunken;
12:49	FN	finish this: I am come to send fire on ...?	the earth; and what will I, if it be already kindled?
12:50	FN	finish this: But I have a baptism to be ...?	baptized with; and how am I straitened till it be accomplished!
12:51	FN	finish this: Suppose ye that I am come to ...?	give peace on earth? I tell you, Nay; but rather division:
12:52	FN	finish this: For from henceforth there shall be five ...?	in one house divided, three against two, and two against three.
12:54	FN	finish this: And he said also to the people, When ye see a ...?	cloud rise out of the west, straightway ye say, There cometh a shower; and so it is.
12:56	FN	finish this: Ye hypocrites, ye can discern the face of the sky ...?	and of the earth; but how is it that ye do not discern this time?
12:58	FN	finish this: When thou goest with thine adversary to the magistrate, as thou art ...?	in the way, give diligence that thou mayest be delivered from him; lest he hale thee to the judge, and the judge deliver thee to the officer ...
12:59	FN	finish this: I tell thee, thou shalt not ...?	depart thence, till thou hast paid the very last mite.
13: 5	FN	finish this: I tell you, Nay: but ...?	except ye repent, ye shall all likewise perish.
13: 6	FN	finish this: He spake also this parable; A certain man had a ...?	fig tree planted in his vineyard; and he came and sought fruit thereon, and found none.
13: 9	FN	finish this: And if it bear fruit, well ...?	and if not, then after that thou shalt cut it down.
13:10	FN	finish this: And he was teaching ...?	in one of the synagogues on the sabbath.
13:16	FN	finish this: And ought not this woman, being a daughter of Abraham ...?	whom Satan hath bound, lo, these eighteen years, be loosed from this bond on the sabbath day?
13:19	FN	finish this: It is like a grain of mustard seed, which a man took ...?	and cast into his garden; and it grew, and waxed a great tree; and the fowls of the air lodged in the branches of it.
13:20	FN	finish this: And again he said ...?	Whereunto shall I liken the kingdom of God?
13:21	FN	finish this: It is like leaven, which a woman took ...?	and hid in three measures of meal, till the whole was leavened.
13:23	FN	finish this: Then said one unto him, Lord ...?	are there few that be saved? And he said unto them,
13:25	FN	finish this: When once the master of the house is risen up, and hath ...?	shut to the door, and ye begin to stand without, and to knock at the door, saying, Lord, Lord, open unto us; and he shall answer and say unto you, I know you not ...
13:27	FN	finish this: But he shall say, I tell you, I ...?	know you not whence ye are; depart from me, all ye workers of iniquity.
13:31	FN	finish this: The same day there came certain of the Pharisees ...?	saying unto him, Get thee out, and depart hence: for Herod will kill thee.
13:33	FN	finish this: Nevertheless I must walk to day, and to morrow ...?	and the day following: for it cannot be that a prophet perish out of Jerusalem.
13:35	FN	finish this: Behold, your house is left unto you desolate: and verily I say ...?	unto you, Ye shall not see me, until the time come when ye shall say, Blessed is he that cometh in the name of the Lord.
14: 9	FN	finish this: And he that bade thee and him come and say ...?	to thee, Give this man place; and thou begin with shame to take the lowest room.
14:14	FN	finish this: And thou shalt be blessed; for they cannot ...?	recompense thee: for thou shalt be recompensed at the resurrection of the just.
14:16	FN	finish this: Then said he unto him, A ...?	certain man made a great supper, and bade many:
14:19	FN	finish this: And another said, I have bought five yoke ...?	of oxen, and I go to prove them: I pray thee have me excused.
14:21	FN	finish this: So that servant came, and shewed his lord these things. Then the ...?	master of the house being angry said to his servant, Go out quickly into the streets and lanes of the city, and bring in hither the poor, and the maimed ...
14:25	FN	finish this: And there went great multitudes ...?	with him: and he turned, and said unto them,
14:28	FN	finish this: For which of you, intending to build a tower ...?	sitteth not down first, and counteth the cost, whether he have sufficient to finish it?
15: 1	FN	finish this: Then drew near unto him ...?	all the publicans and sinners for to hear him.
15: 3	FN	finish this: And he spake ...?	this parable unto them, saying,
15:10	FN	finish this: Likewise, I say unto you, there is joy ...?	in the presence of the angels of God over one sinner that repenteth.
15:12	FN	finish this: And the younger of them said to his father, Father ...?	give me the portion of goods that falleth to me. And he divided unto them his living.
15:16	FN	finish this: And he would fain have filled his belly ...?	with the husks that the swine did eat: and no man gave unto him.
15:22	FN	finish this: But the father said to his servants, Bring forth the best ...?	robe, and put it on him; and put a ring on his hand, and shoes on his feet:
15:23	FN	finish this: And bring hither the fatted calf ...?	and kill it; and let us eat, and be merry:
15:31	FN	finish this: And he said unto him, Son, thou ...?	art ever with me, and all that I have is thine.
16: 1	FN	finish this: And he said also unto his disciples, There was a certain rich ...?	man, which had a steward; and the same was accused unto him that he had wasted his goods.
16: 2	FN	finish this: And he called him, and said unto him, How is it that ...?	I hear this of thee? give an account of thy stewardship; for thou mayest be no longer steward.
16: 5	WH	to whom did Jesus say, "How much owest thou unto my ..."?	The first
16: 8	WY	why is it said that the lord commended the unjust steward?	Because he had done wisely
16:13	HM	how many masters are spoken of?	Two masters
16:16	FN	finish this: The law and the prophets were until John: since ...?	that time the kingdom of God is preached, and every man presseth into it.
16:17	FN	finish this: And it is easier for heaven and ...?	earth to pass, than one tittle of the law to fail.
16:22	FN	finish this: And it came to pass, that the beggar died, and ...?	was carried by the angels into Abraham's bosom: the rich man also died, and was buried;
16:30	FN	finish this: And he said, Nay, father Abraham: but ...?	if one went unto them from the dead, they will repent.
17: 4	HM	how many times are spoken of?	Seven times
17: 6	FN	finish this: And the Lord said, If ye had faith as a grain of ...?	mustard seed, ye might say unto this sycamine tree, Be thou plucked up by the root, and be thou planted in the sea; and it should obey you.
17: 9	FN	finish this: Doth he thank that servant because ...?	he did the things that were commanded him? I trow not.
17:12	FN	finish this: And as he entered into a certain village ...?	there met him ten men that were lepers, which stood afar off:
17:15	FN	finish this: And one of them, when he saw that ...?	he was healed, turned back, and with a loud voice glorified God,
17:17	FN	finish this: And Jesus answering said, Were ...?	there not ten cleansed? but where are the nine?
17:18	FN	finish this: There are not found that ...?	returned to give glory to God, save this stranger.
17:20	FN	finish this: And when he was demanded of the Pharisees, when the kingdom ...?	of God should come, he answered them and said, The kingdom of God cometh not with observation:
17:22	WH	to whom did Jesus say, "The days will come ..."?	The disciples
17:25	FN	finish this: But first must he suffer ...?	many things, and be rejected of this generation.
17:29	FN	finish this: But the same day that Lot went out ...?	of Sodom it rained fire and brimstone from heaven, and destroyed them all.
17:36	FN	finish this: Two men shall be in the ...?	field; the one shall be taken, and the other left.
18: 2	FN	finish this: Saying, There was in a city ...?	a judge, which feared not God, neither regarded man:
18: 4	FN	finish this: And he would not for a while: but ...?	afterward he said within himself, Though I fear not God, nor regard man;
18: 6	FN	finish this: And the Lord said ...?	Hear what the unjust judge saith.
18: 8	FN	finish this: I tell you that he will avenge them speedily ...?	Nevertheless when the Son of man cometh, shall he find faith on the earth?
18:10	FN	finish this: Two men went up into the temple ...?	to pray; the one a Pharisee, and the other a publican.
18:11	FN	finish this: The Pharisee stood and prayed thus with himself, God, I thank ...?	thee, that I am not as other men are, extortioners, unjust, adulterers, or even as this publican.
18:12	FN	finish this: I fast twice in the ...?	week, I give tithes of all that I possess.
18:13	FN	finish this: And the publican, standing afar off, would not lift up so much ...?	as his eyes unto heaven, but smote upon his breast, saying, God be merciful to me a sinner.
18:14	FN	finish this: I tell you, this man went down to his house justified rather ...?	than the other: for every one that exalteth himself shall be abased; and he that humbleth himself shall be exalted.
18:16	WH	who called them unto him?	Jesus
18:18	FN	finish this: And a certain ruler asked him ...?	saying, Good Master, what shall I do to inherit eternal life?
18:19	WT	what did Jesus say?	Why callest thou me good? none is good, save one, that is, God.
18:21	FN	finish this: And he said, All ...?	these have I kept from my youth up.
18:23	FN	finish this: And when he heard this ...?	he was very sorrowful: for he was very rich.
18:26	FN	finish this: And they that heard ...?	it said, Who then can be saved?
18:33	FN	finish this: And they shall scourge him, and put ...?	him to death: and the third day he shall rise again.
18:37	FN	finish this: And they told him ...?	that Jesus of Nazareth passeth by.
18:39	FN	finish this: And they which went before rebuked him, that he should hold ...?	his peace: but he cried so much the more, Thou son of David, have mercy on me.
18:40	FN	finish this: And Jesus stood, and commanded him to be ...?	brought unto him: and when he was come near, he asked him,
18:42	WH	who said unto him?	Jesus
19: 1	FN	finish this: And Jesus entered ...?	and passed through Jericho.
19: 3	FN	finish this: And he sought to see Jesus who he ...?	was; and could not for the press, because he was little of stature.
19: 4	FN	finish this: And he ran before, and climbed up into ...?	a sycomore tree to see him: for he was to pass that way.
19: 7	FN	finish this: And when they saw it, they all murmured, saying ...?	That he was gone to be guest with a man that is a sinner.
19: 8	FN	finish this: And Zacchaeus stood, and said unto the Lord; Behold, Lord, the half ...?	of my goods I give to the poor; and if I have taken any thing from any man by false accusation, I restore him fourfold.
19:12	FN	finish this: He said therefore, A certain nobleman went into ...?	a far country to receive for himself a kingdom, and to return.
19:16	FN	finish this: Then came the first ...?	saying, Lord, thy pound hath gained ten pounds.
19:17	FN	finish this: And he said unto him, Well, thou good servant ...?	because thou hast been faithful in a very little, have thou authority over ten cities.
19:19	HM	how many cities are spoken of?	Five cities
19:20	FN	finish this: And another came, saying, Lord, behold, here ...?	is thy pound, which I have kept laid up in a napkin:
19:25	HM	how many pounds are spoken of?	Ten pounds
19:27	FN	finish this: But those mine enemies, which would not that ...?	I should reign over them, bring hither, and slay them before me.
19:28	FN	finish this: And when he had thus ...?	spoken, he went before, ascending up to Jerusalem.
19:31	FN	finish this: And if any man ask you, Why do ye ...?	loose him? thus shall ye say unto him, Because the Lord hath need of him.
19:33	FN	finish this: And as they were loosing the colt ...?	the owners thereof said unto them, Why loose ye the colt?
19:37	FN	finish this: And when he was come nigh, even now at the descent of ...?	the mount of Olives, the whole multitude of the disciples began to rejoice and praise God with a loud voice for all the mighty works that they had seen;
19:38	FN	finish this: Saying, Blessed be the King that cometh in ...?	the name of the Lord: peace in heaven, and glory in the highest.
19:40	WH	to whom did Jesus say, "I tell you that ..."?	The multitude
19:44	FN	finish this: And shall lay thee even with the ground, and thy children within ...?	thee; and they shall not leave in thee one stone upon another; because thou knewest not the time of thy visitation.
20: 1	FN	finish this: And it came to pass, that on one of those days, as ...?	he taught the people in the temple, and preached the gospel, the chief priests and the scribes came upon him with the elders,
20: 3	FN	finish this: And he answered and said unto ...?	them, I will also ask you one thing; and answer me:
20: 8	WH	who said, "Neither tell I you by what authority I ..."?	Jesus
20: 9	FN	finish this: Then began he to speak to the people this parable; A certain ...?	man planted a vineyard, and let it forth to husbandmen, and went into a far country for a long time.
20:13	FN	finish this: Then said the lord of the vineyard, What shall I ...?	do? I will send my beloved son: it may be they will reverence him when they see him.
20:14	FN	finish this: But when the husbandmen saw him, they reasoned among themselves ...?	saying, This is the heir: come, let us kill him, that the inheritance may be ours.
20:16	FN	finish this: He shall come and destroy these husbandmen, and shall ...?	give the vineyard to others. And when they heard it, they said, God forbid.
20:18	FN	finish this: Whosoever shall fall upon that stone shall be ...?	broken; but on whomsoever it shall fall, it will grind him to powder.
20:28	FN	finish this: Saying, Master, Moses wrote unto us, If any man's brother die, having ...?	a wife, and he die without children, that his brother should take his wife, and raise up seed unto his brother.
20:29	FN	finish this: There were therefore seven brethren: and ...?	the first took a wife, and died without children.
20:30	FN	finish this: And the second took ...?	her to wife, and he died childless.
20:37	FN	finish this: Now that the dead are raised, even Moses shewed at the bush ...?	when he calleth the Lord the God of Abraham, and the God of Isaac, and the God of Jacob.
20:39	WT	what did the scribes say?	Master, thou hast well said.
20:42	FN	finish this: And David himself saith in the book of ...?	Psalms, The LORD said unto my Lord, Sit thou on my right hand,
20:43	FN	finish this: Till I make ...?	thine enemies thy footstool.
20:45	FN	finish this: Then in the audience of ...?	all the people he said unto his disciples,
20:47	FN	finish this: Which devour widows' houses, and for ...?	a shew make long prayers: the same shall receive greater damnation.
21: 2	FN	finish this: And he saw also a ...?	certain poor widow casting in thither two mites.
21: 7	FN	finish this: And they asked him, saying, Master, but when shall these ...?	things be? and what sign will there be when these things shall come to pass?
21:15	FN	finish this: For I will give you a mouth and ...?	wisdom, which all your adversaries shall not be able to gainsay nor resist.
21:18	FN	finish this: But there shall not ...?	an hair of your head perish.
21:19	FN	finish this: In your patience ...?	possess ye your souls.
21:20	FN	finish this: And when ye shall see Jerusalem ...?	compassed with armies, then know that the desolation thereof is nigh.
21:22	FN	finish this: For these be the days of ...?	vengeance, that all things which are written may be fulfilled.
21:24	FN	finish this: And they shall fall by the edge of the sword, and shall ...?	be led away captive into all nations: and Jerusalem shall be trodden down of the Gentiles, until the times of the Gentiles be fulfilled.
21:29	FN	finish this: And he spake to them a ...?	parable; Behold the fig tree, and all the trees;
21:31	FN	finish this: So likewise ye, when ye see these things ...?	come to pass, know ye that the kingdom of God is nigh at hand.
21:32	FN	finish this: Verily I say unto you, This ...?	generation shall not pass away, till all be fulfilled.
21:34	FN	finish this: And take heed to yourselves, lest at any time your hearts be ...?	overcharged with surfeiting, and drunkenness, and cares of this life, and so that day come upon you unawares.
21:36	FN	finish this: Watch ye therefore, and pray always, that ye may be accounted worthy ...?	to escape all these things that shall come to pass, and to stand before the Son of man.
21:38	FN	finish this: And all the people came early in ...?	the morning to him in the temple, for to hear him.
22: 1	FN	finish this: Now the feast of unleavened ...?	bread drew nigh, which is called the Passover.
22: 2	FN	finish this: And the chief priests and scribes ...?	sought how they might kill him; for they feared the people.
22: 3	FN	finish this: Then entered Satan into Judas ...?	surnamed Iscariot, being of the number of the twelve.
22: 4	FN	finish this: And he went his way, and communed with ...?	the chief priests and captains, how he might betray him unto them.
22: 6	FN	finish this: And he promised, and sought opportunity ...?	to betray him unto them in the absence of the multitude.
22:14	HM	how many apostles are spoken of?	Twelve apostles
22:16	FN	finish this: For I say unto you, I will not ...?	any more eat thereof, until it be fulfilled in the kingdom of God.
22:18	FN	finish this: For I say unto you, I will not ...?	drink of the fruit of the vine, until the kingdom of God shall come.
22:28	FN	finish this: Ye are they which ...?	have continued with me in my temptations.
22:33	FN	finish this: And he said unto him, Lord, I ...?	am ready to go with thee, both into prison, and to death.
22:35	FN	finish this: And he said unto them, When I sent you ...?	without purse, and scrip, and shoes, lacked ye any thing? And they said, Nothing.
22:39	FN	finish this: And he came out, and went, as he ...?	was wont, to the mount of Olives; and his disciples also followed him.
22:40	WH	to whom did Jesus say, "Pray that ye enter not into temptation ..."?	His disciples
22:47	FN	finish this: And while he yet spake, behold a multitude, and he that ...?	was called Judas, one of the twelve, went before them, and drew near unto Jesus to kiss him.
22:49	FN	finish this: When they which were about him saw what ...?	would follow, they said unto him, Lord, shall we smite with the sword?
22:51	FN	finish this: And Jesus answered and said, Suffer ...?	ye thus far. And he touched his ear, and healed him.
22:52	FN	finish this: Then Jesus said unto the chief priests, and captains of the temple ...?	and the elders, which were come to him, Be ye come out, as against a thief, with swords and staves?
22:54	WH	who followed afar off?	Peter
22:61	FN	finish this: And the Lord turned, and looked upon Peter. And Peter remembered the ...?	word of the Lord, how he had said unto him, Before the cock crow, thou shalt deny me thrice.
22:63	FN	finish this: And the men that ...?	held Jesus mocked him, and smote him.
22:71	FN	finish this: And they said, What need we any ...?	further witness? for we ourselves have heard of his own mouth.
23: 1	FN	finish this: And the whole multitude ...?	of them arose, and led him unto Pilate.
23: 3	FN	finish this: And Pilate asked him, saying, Art thou the ...?	King of the Jews? And he answered him and said, Thou sayest it.
23: 6	FN	finish this: When Pilate heard of Galilee ...?	he asked whether the man were a Galilaean.
23:10	FN	finish this: And the chief priests ...?	and scribes stood and vehemently accused him.
23:12	FN	finish this: And the same day Pilate and Herod ...?	were made friends together: for before they were at enmity between themselves.
23:15	FN	finish this: No, nor yet Herod: for I sent you ...?	to him; and, lo, nothing worthy of death is done unto him.
23:19	FN	finish this: (Who for a certain sedition made ...?	in the city, and for murder, was cast into prison.)
23:21	FN	finish this: But they cried ...?	saying, Crucify him, crucify him.
23:23	FN	finish this: And they were instant with loud voices, requiring that ...?	he might be crucified. And the voices of them and of the chief priests prevailed.
23:25	FN	finish this: And he released unto them him that for sedition and ...?	murder was cast into prison, whom they had desired; but he delivered Jesus to their will.
23:27	FN	finish this: And there followed him a great company ...?	of people, and of women, which also bewailed and lamented him.
23:31	FN	finish this: For if they do these things ...?	in a green tree, what shall be done in the dry?
23:33	FN	finish this: And when they were come to the place, which is called Calvary ...?	there they crucified him, and the malefactors, one on the right hand, and the other on the left.
23:37	FN	finish this: And saying, If thou ...?	be the king of the Jews, save thyself.
23:48	FN	finish this: And all the people that came together to ...?	that sight, beholding the things which were done, smote their breasts, and returned.
23:49	FN	finish this: And all his acquaintance, and the women ...?	that followed him from Galilee, stood afar off, beholding these things.
23:50	FN	finish this: And, behold, there was a man named ...?	Joseph, a counsellor; and he was a good man, and a just:
23:52	FN	finish this: This man went unto ...?	Pilate, and begged the body of Jesus.
23:54	FN	finish this: And that day was ...?	the preparation, and the sabbath drew on.
24: 1	FN	finish this: Now upon the first day of the week, very early in the ...?	morning, they came unto the sepulchre, bringing the spices which they had prepared, and certain others with them.
24: 2	FN	finish this: And they found the ...?	stone rolled away from the sepulchre.
24: 5	FN	finish this: And as they were afraid, and bowed down their faces ...?	to the earth, they said unto them, Why seek ye the living among the dead?
24: 7	FN	finish this: Saying, The Son of man must be delivered into ...?	the hands of sinful men, and be crucified, and the third day rise again.
24: 9	FN	finish this: And returned from the sepulchre, and told ...?	all these things unto the eleven, and to all the rest.
24:10	FN	finish this: It was Mary Magdalene, and Joanna, and Mary the mother ...?	of James, and other women that were with them, which told these things unto the apostles.
24:12	FN	finish this: Then arose Peter, and ran unto the sepulchre; and stooping down, he ...?	beheld the linen clothes laid by themselves, and departed, wondering in himself at that which was come to pass.
24:13	FN	finish this: And, behold, two of them went that same ...?	day to a village called Emmaus, which was from Jerusalem about threescore furlongs.
24:14	FN	finish this: And they talked together ...?	of all these things which had happened.
24:18	FN	finish this: And the one of them, whose name was Cleopas, answering said unto ...?	him, Art thou only a stranger in Jerusalem, and hast not known the things which are come to pass there in these days?
24:21	FN	finish this: But we trusted that it had been he which should have ...?	redeemed Israel: and beside all this, to day is the third day since these things were done.
24:23	FN	finish this: And when they found not his body, they came, saying ...?	that they had also seen a vision of angels, which said that he was alive.
24:26	FN	finish this: Ought not Christ to have ...?	suffered these things, and to enter into his glory?
24:27	FN	finish this: And beginning at Moses and all the prophets ...?	he expounded unto them in all the scriptures the things concerning himself.
24:28	FN	finish this: And they drew nigh unto the village, whither ...?	they went: and he made as though he would have gone further.
24:31	FN	finish this: And their eyes were opened, and ...?	they knew him; and he vanished out of their sight.
24:37	FN	finish this: But they were terrified and ...?	affrighted, and supposed that they had seen a spirit.
24:40	FN	finish this: And when he had thus ...?	spoken, he shewed them his hands and his feet.
24:42	FN	finish this: And they gave him a ...?	piece of a broiled fish, and of an honeycomb.
24:44	FN	finish this: And he said unto them, These are the words which I spake ...?	unto you, while I was yet with you, that all things must be fulfilled, which were written in the law of Moses, and in the prophets, and in the psalms ...
24:45	FN	finish this: Then opened he their ...?	understanding, that they might understand the scriptures,
24:51	FN	finish this: And it came to pass, while he ...?	blessed them, he was parted from them, and carried up into heaven.
