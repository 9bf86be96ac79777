 1: 2	FN	finish this: Even as they delivered them unto us ...?	which from the beginning were eyewitnesses, and ministers of the word
 1:11	FN	finish this: And there appeared unto him an angel of ...?	the Lord standing on the right side of the altar of incense.
 1:13	WH	who said, "Fear not, Zacharias: for thy prayer is heard ..."?	The angel
 1:18	WH	who said, "Whereby shall I know ..."?	Zacharias
 1:19	WT	what did the angel say?	I am Gabriel, that stand in the presence of God; and am sent to speak unto thee, and to shew thee these glad tidings.
 1:24	HM	how many months are spoken of?	Five months
 1:25	FN	finish this: Thus hath the Lord dealt with me in ...?	the days wherein he looked on me, to take away my reproach among men.
 1:26	FN	finish this: And in the sixth month the angel ...?	Gabriel was sent from God unto a city of Galilee, named Nazareth
 1:30	WH	who said, "Fear not, Mary: for thou hast found favour ..."?	The angel
 1:33	FN	finish this: And he shall reign over the house of ...?	Jacob for ever; and of his kingdom there shall be no end.
 1:38	WT	what did Mary say?	Behold the handmaid of the Lord; be it unto me according to thy word
 1:39	WH	who arose in those days?	Mary
 1:44	FN	finish this: For, lo, as soon as the voice of ...?	thy salutation sounded in mine ears, the babe leaped in my womb for joy.
 1:45	FN	finish this: And blessed is she that believed: for there ...?	shall be a performance of those things which were told her from the Lord.
 1:46	WT	what did Mary say?	My soul doth magnify the Lord
 1:47	FN	finish this: And my spirit ...?	hath rejoiced in God my Saviour.
 1:50	FN	finish this: And his mercy is on ...?	them that fear him from generation to generation.
 1:58	FN	finish this: And her neighbours and her cousins heard how ...?	the Lord had shewed great mercy upon her; and they rejoiced with her.
 1:70	FN	finish this: As he spake by the mouth ...?	of his holy prophets, which have been since the world began
 1:71	FN	finish this: That we should be saved from ...?	our enemies, and from the hand of all that hate us
 1:73	FN	finish this: The oath which ...?	he sware to our father Abraham
 1:78	FN	finish this: Through the tender mercy of our ...?	God; whereby the dayspring from on high hath visited us
 2: 6	FN	finish this: And so it was, that, while they ...?	were there, the days were accomplished that she should be delivered.
 2:10	WT	what did the angel say?	Fear not: for, behold, I bring you good tidings of great joy, which shall be to all people.
 2:19	WT	what did Mary keep?	All these things
 2:25	FN	finish this: And, behold, there was a man in Jerusalem, whose name was Simeon ...?	and the same man was just and devout, waiting for the consolation of Israel: and the Holy Ghost was upon him.
 2:27	FN	finish this: And he came by the Spirit into the temple: and when ...?	the parents brought in the child Jesus, to do for him after the custom of the law
 2:30	FN	finish this: For mine eyes ...?	have seen thy salvation
 2:44	FN	finish this: But they, supposing him to have been in the ...?	company, went a day's journey; and they sought him among their kinsfolk and acquaintance.
 2:46	HM	how many days are spoken of?	Three days
 2:47	FN	finish this: And all that heard ...?	him were astonished at his understanding and answers.
 3: 2	WH	whose son was John?	Zacharias
 3: 3	FN	finish this: And he came into all the country ...?	about Jordan, preaching the baptism of repentance for the remission of sins
 3: 9	FN	finish this: And now also the axe is laid unto the root of the ...?	trees: every tree therefore which bringeth not forth good fruit is hewn down, and cast into the fire.
 3:15	FN	finish this: And as the people were in expectation, and all ...?	men mused in their hearts of John, whether he were the Christ, or not
 3:16	WH	to whom did John say, "I indeed baptize you with water ..."?	The people
 3:20	FN	finish this: Added yet this above ...?	all, that he shut up John in prison.
 3:23	HM	how many years are spoken of?	About thirty years
 3:28	WH	whose son was Elmodam?	Er
 3:29	WH	whose son was Eliezer?	Jorim
 3:34	WH	whose son was Isaac?	Abraham
 3:35	WH	whose son was Heber?	Sala
 3:36	WH	whose son was Arphaxad?	Sem
 3:37	WH	whose son was Maleleel?	Cainan
 4: 4	WH	who said, "It is written, That man shall not live ..."?	Jesus
 4: 5	FN	finish this: And the devil, taking him up into an high ...?	mountain, shewed unto him all the kingdoms of the world in a moment of time.
 4: 6	WH	who said, "All this power will I give thee ..."?	The devil
 4:10	FN	finish this: For it is written, He shall ...?	give his angels charge over thee, to keep thee
 4:12	WT	what did Jesus say?	It is said, Thou shalt not tempt the Lord thy God.
 4:13	FN	finish this: And when the devil had ended ...?	all the temptation, he departed from him for a season.
 4:18	WY	why is it said that the Spirit of the Lord is upon me?	Because he hath anointed me to preach the gospel to the poor
 4:25	HM	how many years are spoken of?	Three years
 4:33	FN	finish this: And in the synagogue there was a man, which ...?	had a spirit of an unclean devil, and cried out with a loud voice
 5: 2	HM	how many ships are spoken of?	Two ships
 5: 8	FN	finish this: When Simon Peter saw it, he fell down at ...?	Jesus' knees, saying, Depart from me; for I am a sinful man, O Lord.
 5: 9	FN	finish this: For he was astonished, and all that were ...?	with him, at the draught of the fishes which they had taken
 5:15	FN	finish this: But so much the more went there a fame abroad of ...?	him: and great multitudes came together to hear, and to be healed by him of their infirmities.
 5:16	FN	finish this: And he withdrew ...?	himself into the wilderness, and prayed.
 5:21	FN	finish this: And the scribes and the Pharisees began to reason ...?	saying, Who is this which speaketh blasphemies? Who can forgive sins, but God alone?
 5:22	WH	to whom did Jesus say, "What reason ye in your ..."?	The Pharisees
 5:29	WH	who made him a great feast in his own house?	Levi
 5:34	WH	to whom did Jesus say, "Can ye make the children of the bridechamber ..."?	The Pharisees
 5:35	FN	finish this: But the days will come, when the bridegroom ...?	shall be taken away from them, and then shall they fast in those days.
 5:37	FN	finish this: And no man putteth new wine into old bottles; else ...?	the new wine will burst the bottles, and be spilled, and the bottles shall perish.
 6: 5	FN	finish this: And he said unto them, That ...?	the Son of man is Lord also of the sabbath.
 6: 7	FN	finish this: And the scribes and Pharisees watched him, whether he ...?	would heal on the sabbath day; that they might find an accusation against him.
 6:14	FN	finish this: Simon, (whom he also named Peter,) ...?	and Andrew his brother, James and John, Philip and Bartholomew
 6:15	WH	whose son was James?	Alphaeus
 6:16	FN	finish this: And Judas the brother of ...?	James, and Judas Iscariot, which also was the traitor.
 6:17	FN	finish this: And he came down with them, and stood in the plain, and ...?	the company of his disciples, and a great multitude of people out of all Judaea and Jerusalem, and from the sea coast of Tyre and Sidon, which came to hear him ...
 6:20	FN	finish this: And he lifted up his eyes on his ...?	disciples, and said, Blessed be ye poor: for yours is the kingdom of God.
 6:34	FN	finish this: And if ye lend to them of whom ye hope ...?	to receive, what thank have ye? for sinners also lend to sinners, to receive as much again.
 6:49	FN	finish this: But he that heareth, and doeth not, is like a man that ...?	without a foundation built an house upon the earth; against which the stream did beat vehemently, and immediately it fell; and the ruin of that house was great.
 8: 4	FN	finish this: And when much people were gathered together, and ...?	were come to him out of every city, he spake by a parable
 8:11	FN	finish this: Now the parable is ...?	this: The seed is the word of God.
 8:12	FN	finish this: Those by the way side are they that hear; then cometh ...?	the devil, and taketh away the word out of their hearts, lest they should believe and be saved.
 8:13	FN	finish this: They on the rock are they, which, when they hear, receive the ...?	word with joy; and these have no root, which for a while believe, and in time of temptation fall away.
 8:25	FN	finish this: And he said unto them, Where is your ...?	faith? And they being afraid wondered, saying one to another, What manner of man is this! for he commandeth even the winds and water, and they obey him.
 8:30	WH	who asked him?	Jesus
 8:38	FN	finish this: Now the man out of whom the devils were ...?	departed besought him that he might be with him: but Jesus sent him away, saying
 8:45	WT	what did Jesus say?	Who touched me? When all denied, Peter and they that were with him said, Master, the multitude throng thee and press thee, and sayest thou, Who touched me?
 8:46	WT	what did Jesus say?	Somebody hath touched me: for I perceive that virtue is gone out of me.
 8:47	FN	finish this: And when the woman saw that she was not hid, she came ...?	trembling, and falling down before him, she declared unto him before all the people for what cause she had touched him, and how she was healed immediately.
 8:52	FN	finish this: And all wept, and bewailed her ...?	but he said, Weep not; she is not dead, but sleepeth.
 8:53	FN	finish this: And they laughed him ...?	to scorn, knowing that she was dead.
12: 1	FN	finish this: In the mean time, when there were gathered together an innumerable multitude ...?	of people, insomuch that they trode one upon another, he began to say unto his disciples first of all, Beware ye of the leaven of the ...
12: 3	FN	finish this: Therefore whatsoever ye have spoken in darkness shall be heard in the ...?	light; and that which ye have spoken in the ear in closets shall be proclaimed upon the housetops.
12: 8	FN	finish this: Also I say unto you, Whosoever shall confess me ...?	before men, him shall the Son of man also confess before the angels of God
12:10	FN	finish this: And whosoever shall speak a word against the Son of man, it ...?	shall be forgiven him: but unto him that blasphemeth against the Holy Ghost it shall not be forgiven.
12:13	WH	who said, "Master, speak to my brother ..."?	The company
12:44	FN	finish this: Of a truth I say unto you ...?	that he will make him ruler over all that he hath.
12:46	FN	finish this: The lord of that servant will come in a day when he ...?	looketh not for him, and at an hour when he is not aware, and will cut him in sunder, and will appoint him his portion with the unbelievers.
12:47	FN	finish this: And that servant, which knew his lord's will, and ...?	prepared not himself, neither did according to his will, shall be beaten with many stripes.
12:53	FN	finish this: The father shall be divided against the son, and the son against ...?	the father; the mother against the daughter, and the daughter against the mother; the mother in law against her daughter in law, and the daughter ...
13: 4	FN	finish this: Or those eighteen, upon whom the tower in Siloam fell ...?	and slew them, think ye that they were sinners above all men that dwelt in Jerusalem?
13: 7	HM	how many years are spoken of?	Three years
13:14	WH	who said, "There are six days in which men ought ..."?	The ruler
13:15	FN	finish this: The Lord then answered him, and said, Thou hypocrite, doth not each ...?	one of you on the sabbath loose his ox or his ass from the stall, and lead him away to watering?
13:16	HM	how many years are spoken of?	Eighteen years
13:17	FN	finish this: And when he had said these things, all his adversaries ...?	were ashamed: and all the people rejoiced for all the glorious things that were done by him.
13:21	HM	how many measures are spoken of?	Three measures
13:28	FN	finish this: There shall be weeping and gnashing of teeth, when ye shall see ...?	Abraham, and Isaac, and Jacob, and all the prophets, in the kingdom of God, and you yourselves thrust out.
13:29	FN	finish this: And they shall come from the east, and from the west ...?	and from the north, and from the south, and shall sit down in the kingdom of God.
17: 4	HM	how many times are spoken of?	Seven times
17: 6	WT	what did the Lord say?	If ye had faith as a grain of mustard seed, ye might say unto this sycamine tree, Be thou plucked up by the root, and be thou planted in the sea; and it should obey you.
17:12	HM	how many men are spoken of?	Ten men
17:26	FN	finish this: And as it was in the days of ...?	Noe, so shall it be also in the days of the Son of man.
17:30	FN	finish this: Even thus shall it be in ...?	the day when the Son of man is revealed.
17:32	FN	finish this: Remember Lot's ...?	wife.
18: 9	FN	finish this: And he spake this parable unto certain ...?	which trusted in themselves that they were righteous, and despised others
18:19	WH	who said, "Why callest thou me ..."?	Jesus
18:30	FN	finish this: Who shall not receive manifold more in ...?	this present time, and in the world to come life everlasting.
18:31	WH	who said, "Behold, we go up to Jerusalem ..."?	Jesus
18:32	FN	finish this: For he shall be delivered unto the ...?	Gentiles, and shall be mocked, and spitefully entreated, and spitted on
19: 6	FN	finish this: And he made haste ...?	and came down, and received him joyfully.
19:16	HM	how many pounds are spoken of?	Ten pounds
19:17	HM	how many cities are spoken of?	Ten cities
19:21	WY	why is it said that I feared thee?	Because thou art an austere man
19:22	FN	finish this: And he saith unto him, Out of thine own mouth will I ...?	judge thee, thou wicked servant. Thou knewest that I was an austere man, taking up that I laid not down, and reaping that I did not sow
19:23	FN	finish this: Wherefore then gavest not thou my money into ...?	the bank, that at my coming I might have required mine own with usury?
19:34	FN	finish this: And they said ...?	The Lord hath need of him.
19:35	FN	finish this: And they brought him to Jesus: and ...?	they cast their garments upon the colt, and they set Jesus thereon.
19:40	WH	who said, "I tell you that ..."?	Jesus
19:41	FN	finish this: And when he was come ...?	near, he beheld the city, and wept over it
19:42	FN	finish this: Saying, If thou hadst known, even thou, at least in this ...?	thy day, the things which belong unto thy peace! but now they are hid from thine eyes.
19:43	FN	finish this: For the days shall come upon thee, that thine enemies ...?	shall cast a trench about thee, and compass thee round, and keep thee in on every side
20: 8	WT	what did Jesus say?	Neither tell I you by what authority I do these things.
20:20	FN	finish this: And they watched him, and sent forth spies, which should feign themselves ...?	just men, that they might take hold of his words, that so they might deliver him unto the power and authority of the governor.
20:23	FN	finish this: But he perceived their craftiness ...?	and said unto them, Why tempt ye me?
20:29	HM	how many brethren are spoken of?	Seven brethren
20:34	WH	who said, "The children of this world marry ..."?	Jesus
20:35	FN	finish this: But they which shall be accounted worthy to obtain ...?	that world, and the resurrection from the dead, neither marry, nor are given in marriage
20:36	FN	finish this: Neither can they die any more: for they are equal ...?	unto the angels; and are the children of God, being the children of the resurrection.
20:40	FN	finish this: And after that they ...?	durst not ask him any question at all.
21: 6	FN	finish this: As for these things which ye behold, the days will come ...?	in the which there shall not be left one stone upon another, that shall not be thrown down.
21:10	FN	finish this: Then said he unto them ...?	Nation shall rise against nation, and kingdom against kingdom
21:11	FN	finish this: And great earthquakes shall be in divers places, and ...?	famines, and pestilences; and fearful sights and great signs shall there be from heaven.
21:12	FN	finish this: But before all these, they shall lay their hands on you, and ...?	persecute you, delivering you up to the synagogues, and into prisons, being brought before kings and rulers for my name's sake.
22: 8	FN	finish this: And he sent Peter and John ...?	saying, Go and prepare us the passover, that we may eat.
22: 9	FN	finish this: And they said unto ...?	him, Where wilt thou that we prepare?
22:12	FN	finish this: And he shall shew you ...?	a large upper room furnished: there make ready.
22:13	FN	finish this: And they went, and found as ...?	he had said unto them: and they made ready the passover.
22:25	FN	finish this: And he said unto them, The kings of the ...?	Gentiles exercise lordship over them; and they that exercise authority upon them are called benefactors.
22:26	FN	finish this: But ye shall not be so: but he that is greatest ...?	among you, let him be as the younger; and he that is chief, as he that doth serve.
22:27	FN	finish this: For whether is greater, he that sitteth at meat, or he ...?	that serveth? is not he that sitteth at meat? but I am among you as he that serveth.
22:30	HM	how many tribes are spoken of?	Twelve tribes
22:31	WH	who said, "Simon, Simon, behold, Satan hath desired to have ..."?	The Lord
22:38	HM	how many swords are spoken of?	Two swords
22:45	FN	finish this: And when he rose up from prayer ...?	and was come to his disciples, he found them sleeping for sorrow
22:51	WH	who said, "Suffer ye thus far ..."?	Jesus
22:53	FN	finish this: When I was daily with you in the temple, ye ...?	stretched forth no hands against me: but this is your hour, and the power of darkness.
22:59	FN	finish this: And about the space of one hour after another confidently ...?	affirmed, saying, Of a truth this fellow also was with him: for he is a Galilaean.
22:64	FN	finish this: And when they had blindfolded him, they struck him ...?	on the face, and asked him, saying, Prophesy, who is it that smote thee?
22:65	FN	finish this: And many other ...?	things blasphemously spake they against him.
22:67	WH	who said, "If I tell you ..."?	Jesus
23:16	FN	finish this: I will therefore ...?	chastise him, and release him.
23:17	FN	finish this: (For of necessity he ...?	must release one unto them at the feast.)
23:20	FN	finish this: Pilate therefore, willing to ...?	release Jesus, spake again to them.
23:22	FN	finish this: And he said unto them the third time, Why, what evil hath ...?	he done? I have found no cause of death in him: I will therefore chastise him, and let him go.
23:34	WH	who said, "Father, forgive them; for they know not what ..."?	Jesus
23:35	FN	finish this: And the people stood beholding. And the rulers also with them ...?	derided him, saying, He saved others; let him save himself, if he be Christ, the chosen of God.
23:36	FN	finish this: And the soldiers also mocked ...?	him, coming to him, and offering him vinegar
23:42	FN	finish this: And he said unto Jesus ...?	Lord, remember me when thou comest into thy kingdom.
23:43	WH	who said, "Verily I say unto thee ..."?	Jesus
23:55	FN	finish this: And the women also, which came with him ...?	from Galilee, followed after, and beheld the sepulchre, and how his body was laid.
24:19	FN	finish this: And he said unto them, What ...?	things? And they said unto him, Concerning Jesus of Nazareth, which was a prophet mighty in deed and word before God and all the people
24:25	WH	who said, "O fools, and slow of heart to believe ..."?	Jesus
24:30	FN	finish this: And it came to pass, as he sat at ...?	meat with them, he took bread, and blessed it, and brake, and gave to them.
24:39	FN	finish this: Behold my hands and my feet, that it is I myself ...?	handle me, and see; for a spirit hath not flesh and bones, as ye see me have.
24:50	FN	finish this: And he led them out as far ...?	as to Bethany, and he lifted up his hands, and blessed them.
