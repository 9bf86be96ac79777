 1: 5	FN	finish this: There was in the days of Herod, the king of Judaea, a ...?	certain priest named Zacharias, of the course of Abia: and his wife was of the daughters of Aaron, and her name was Elisabeth.
 1: 6	FN	finish this: And they were both righteous before God ...?	walking in all the commandments and ordinances of the Lord blameless.
 1: 7	WY	why is it said that they had no child?	Because Elisabeth was barren, and they both were now well stricken in years
 1:16	FN	finish this: And many of the children of ...?	Israel shall he turn to the Lord their God.
 1:21	FN	finish this: And the people waited for Zacharias ...?	and marvelled that he tarried so long in the temple.
 1:28	WT	what did the angel say?	Hail, thou that art highly favoured, the Lord is with thee: blessed art thou among women.
 1:34	WH	to whom did Mary say, "How shall this be ..."?	The angel
 1:35	WT	what did the angel say?	The Holy Ghost shall come upon thee, and the power of the Highest shall overshadow thee: therefore also that holy thing which shall be born of thee shall be called the Son of God.
 1:37	FN	finish this: For with God ...?	nothing shall be impossible.
 1:40	FN	finish this: And entered into the ...?	house of Zacharias, and saluted Elisabeth.
 1:42	FN	finish this: And she spake out with a loud voice, and ...?	said, Blessed art thou among women, and blessed is the fruit of thy womb.
 1:49	FN	finish this: For he that is mighty hath ...?	done to me great things; and holy is his name.
 1:55	FN	finish this: As he spake to our ...?	fathers, to Abraham, and to his seed for ever.
 1:56	HM	how many months did Mary abide with her?	About three months
 1:57	FN	finish this: Now Elisabeth's full time came that ...?	she should be delivered; and she brought forth a son.
 1:60	WT	what did his mother say?	Not so; but he shall be called John.
 1:61	FN	finish this: And they said unto her, There ...?	is none of thy kindred that is called by this name.
 1:77	FN	finish this: To give knowledge of salvation ...?	unto his people by the remission of their sins
 1:80	FN	finish this: And the child grew, and waxed strong in ...?	spirit, and was in the deserts till the day of his shewing unto Israel.
 2: 1	FN	finish this: And it came to pass in those days, that ...?	there went out a decree from Caesar Augustus, that all the world should be taxed.
 2: 8	FN	finish this: And there were in the same country ...?	shepherds abiding in the field, keeping watch over their flock by night.
 2: 9	FN	finish this: And, lo, the angel of the Lord came upon them ...?	and the glory of the Lord shone round about them: and they were sore afraid.
 2:15	FN	finish this: And it came to pass, as the angels were gone away from ...?	them into heaven, the shepherds said one to another, Let us now go even unto Bethlehem, and see this thing which is come to pass, which the Lord hath made ...
 2:21	HM	how many days are spoken of?	Eight days
 2:23	FN	finish this: (As it is written in the law of the ...?	LORD, Every male that openeth the womb shall be called holy to the Lord;)
 2:28	FN	finish this: Then took he him up ...?	in his arms, and blessed God, and said
 2:34	WH	who blessed them?	Simeon
 2:36	HM	how many years are spoken of?	Seven years
 2:37	HM	how many years are spoken of?	Four years
 2:42	HM	how many years are spoken of?	Twelve years
 2:48	WT	what did his mother say?	Son, why hast thou thus dealt with us? behold, thy father and I have sought thee sorrowing.
 2:49	FN	finish this: And he said unto them, How is it that ...?	ye sought me? wist ye not that I must be about my Father's business?
 3: 4	FN	finish this: As it is written in the book of the words of Esaias ...?	the prophet, saying, The voice of one crying in the wilderness, Prepare ye the way of the Lord, make his paths straight.
 3: 5	FN	finish this: Every valley shall be filled, and every mountain and hill shall ...?	be brought low; and the crooked shall be made straight, and the rough ways shall be made smooth
 3: 6	FN	finish this: And all flesh ...?	shall see the salvation of God.
 3: 7	FN	finish this: Then said he to the multitude that came forth to be ...?	baptized of him, O generation of vipers, who hath warned you to flee from the wrath to come?
 3:11	HM	how many coats are spoken of?	Two coats
 3:12	FN	finish this: Then came also publicans to be ...?	baptized, and said unto him, Master, what shall we do?
 3:13	FN	finish this: And he said unto them ...?	Exact no more than that which is appointed you.
 3:24	WH	whose son was Levi?	Melchi
 3:25	WH	whose son was Esli?	Nagge
 3:26	WH	whose son was Mattathias?	Semei
 3:27	WH	whose son was Salathiel?	Neri
 3:30	WH	whose son was Juda?	Joseph
 3:31	WH	whose son was Nathan?	David
 3:32	WH	whose son was Obed?	Booz
 3:33	WH	whose son was Phares?	Juda
 3:38	WH	whose son was Adam?	God
 4: 2	HM	how many days are spoken of?	Forty days
 4: 3	WT	what did the devil say?	If thou be the Son of God, command this stone that it be made bread.
 4: 8	WT	what did Jesus say?	Get thee behind me, Satan: for it is written, Thou shalt worship the Lord thy God, and him only shalt thou serve.
 4:14	WH	who returned in the power of the Spirit into Galilee?	Jesus
 4:16	FN	finish this: And he came to Nazareth, where he had been brought up: and ...?	as his custom was, he went into the synagogue on the sabbath day, and stood up for to read.
 4:22	FN	finish this: And all bare him witness, and wondered at the gracious ...?	words which proceeded out of his mouth. And they said, Is not this Joseph's son?
 4:23	FN	finish this: And he said unto them, Ye will surely say unto me ...?	this proverb, Physician, heal thyself: whatsoever we have heard done in Capernaum, do also here in thy country.
 4:35	WH	who rebuked him?	Jesus
 4:43	WH	to whom did Jesus say, "I must preach the kingdom of God to ..."?	The people
 5: 4	WH	to whom did Jesus say, "Launch out into the deep ..."?	Simon
 5: 5	WT	what did Simon say?	Master, we have toiled all the night, and have taken nothing: nevertheless at thy word I will let down the net.
 5: 6	FN	finish this: And when they had this done ...?	they inclosed a great multitude of fishes: and their net brake.
 5:10	WH	who said, "Fear not; from henceforth thou shalt catch men ..."?	Jesus
 5:11	FN	finish this: And when they had brought their ...?	ships to land, they forsook all, and followed him.
 5:13	FN	finish this: And he put forth his hand, and touched ...?	him, saying, I will: be thou clean. And immediately the leprosy departed from him.
 5:19	WY	why is it said that when they could not find by what way they might bring him in?	Because of the multitude, they went upon the housetop, and let him down through the tiling with his couch into the midst before Jesus
 5:26	FN	finish this: And they were all amazed, and they glorified ...?	God, and were filled with fear, saying, We have seen strange things to day.
 5:27	FN	finish this: And after these things he went forth, and saw a ...?	publican, named Levi, sitting at the receipt of custom: and he said unto him, Follow me.
 5:30	FN	finish this: But their scribes and Pharisees murmured against his ...?	disciples, saying, Why do ye eat and drink with publicans and sinners?
 5:31	WT	what did Jesus say unto his disciples?	They that are whole need not a physician; but they that are sick.
 5:32	FN	finish this: I came not to ...?	call the righteous, but sinners to repentance.
 5:38	FN	finish this: But new wine must be ...?	put into new bottles; and both are preserved.
 6: 1	FN	finish this: And it came to pass on the second sabbath after the first ...?	that he went through the corn fields; and his disciples plucked the ears of corn, and did eat, rubbing them in their hands.
 6: 2	WT	what did certain of the Pharisees say unto the Pharisees?	Why do ye that which is not lawful to do on the sabbath days?
 6: 3	FN	finish this: And Jesus answering them said, Have ye not read so ...?	much as this, what David did, when himself was an hungred, and they which were with him
 6: 9	WT	what did Jesus say?	I will ask you one thing; Is it lawful on the sabbath days to do good, or to do evil? to save life, or to destroy it?
 6:10	WH	to whom did Jesus say, "Stretch forth thy hand ..."?	The man
 6:11	FN	finish this: And they were filled with madness ...?	and communed one with another what they might do to Jesus.
 6:12	FN	finish this: And it came to pass in those days, that he ...?	went out into a mountain to pray, and continued all night in prayer to God.
 6:24	FN	finish this: But woe unto you that ...?	are rich! for ye have received your consolation.
 6:31	FN	finish this: And as ye would that men ...?	should do to you, do ye also to them likewise.
 6:38	FN	finish this: Give, and it shall be given unto you; good measure, pressed down ...?	and shaken together, and running over, shall men give into your bosom. For with the same measure that ye mete withal it shall be measured to you again.
 6:39	FN	finish this: And he spake a parable unto them, Can ...?	the blind lead the blind? shall they not both fall into the ditch?
 6:44	FN	finish this: For every tree is known by his own fruit. For ...?	of thorns men do not gather figs, nor of a bramble bush gather they grapes.
 6:46	FN	finish this: And why call ye me, Lord ...?	Lord, and do not the things which I say?
 7: 5	FN	finish this: For he loveth our ...?	nation, and he hath built us a synagogue.
 7: 6	WH	who went with them?	Jesus
 7:15	FN	finish this: And he that was dead sat up ...?	and began to speak. And he delivered him to his mother.
 7:17	FN	finish this: And this rumour of him went ...?	forth throughout all Judaea, and throughout all the region round about.
 7:22	WT	what did Jesus say?	Go your way, and tell John what things ye have seen and heard; how that the blind see, the lame walk, the lepers are cleansed, the deaf hear, the dead are raised, to the poor the gospel is preached.
 7:28	FN	finish this: For I say unto you, Among those that are born of women ...?	there is not a greater prophet than John the Baptist: but he that is least in the kingdom of God is greater than he.
 7:29	FN	finish this: And all the people that heard him ...?	and the publicans, justified God, being baptized with the baptism of John.
 7:36	FN	finish this: And one of the Pharisees desired him that he would ...?	eat with him. And he went into the Pharisee's house, and sat down to meat.
 7:37	FN	finish this: And, behold, a woman in the city, which was a sinner ...?	when she knew that Jesus sat at meat in the Pharisee's house, brought an alabaster box of ointment
 7:40	WT	what did Jesus say?	Simon, I have somewhat to say unto thee
 7:41	HM	how many debtors are spoken of?	Two debtors
 7:42	FN	finish this: And when they had nothing to pay, he ...?	frankly forgave them both. Tell me therefore, which of them will love him most?
 7:43	WT	what did Simon say?	I suppose that he, to whom he forgave most
 7:49	FN	finish this: And they that sat at meat with him ...?	began to say within themselves, Who is this that forgiveth sins also?
 8: 2	HM	how many devils are spoken of?	Seven devils
 8: 8	FN	finish this: And other fell on good ground, and sprang up, and bare fruit ...?	an hundredfold. And when he had said these things, he cried, He that hath ears to hear, let him hear.
 8:15	FN	finish this: But that on the good ground are they, which in ...?	an honest and good heart, having heard the word, keep it, and bring forth fruit with patience.
 8:21	FN	finish this: And he answered and said unto them, My mother ...?	and my brethren are these which hear the word of God, and do it.
 8:22	WH	to whom did Jesus say, "Let us go over unto the other side ..."?	His disciples
 8:28	FN	finish this: When he saw Jesus, he cried out, and fell down before him ...?	and with a loud voice said, What have I to do with thee, Jesus, thou Son of God most high? I beseech thee, torment me not.
 8:35	FN	finish this: Then they went out to see what was done; and came to ...?	Jesus, and found the man, out of whom the devils were departed, sitting at the feet of Jesus, clothed, and in his right mind: and they were afraid.
 8:41	FN	finish this: And, behold, there came a man named Jairus, and he was a ...?	ruler of the synagogue: and he fell down at Jesus' feet, and besought him that he would come into his house
 8:42	HM	how many years are spoken of?	About twelve years
 8:43	HM	how many years are spoken of?	Twelve years
 8:49	FN	finish this: While he yet spake, there cometh one from the ruler ...?	of the synagogue's house, saying to him, Thy daughter is dead; trouble not the Master.
 8:55	FN	finish this: And her spirit came again, and ...?	she arose straightway: and he commanded to give her meat.
 8:56	FN	finish this: And her parents were astonished: but he ...?	charged them that they should tell no man what was done.
 9:10	FN	finish this: And the apostles, when they were returned, told him all that they ...?	had done. And he took them, and went aside privately into a desert place belonging to the city called Bethsaida.
 9:11	FN	finish this: And the people, when they knew it, followed him: and he received ...?	them, and spake unto them of the kingdom of God, and healed them that had need of healing.
 9:13	WH	who said, "Give ye them to eat ..."?	Jesus
 9:26	FN	finish this: For whosoever shall be ashamed of me and of my words, of ...?	him shall the Son of man be ashamed, when he shall come in his own glory, and in his Father's, and of the holy angels.
 9:27	FN	finish this: But I tell you of a truth, there be some ...?	standing here, which shall not taste of death, till they see the kingdom of God.
 9:30	HM	how many men are spoken of?	Two men
 9:32	HM	how many men are spoken of?	Two men
 9:33	HM	how many tabernacles are spoken of?	Three tabernacles
 9:45	FN	finish this: But they understood not this saying, and it was hid ...?	from them, that they perceived it not: and they feared to ask him of that saying.
 9:47	WT	what did Jesus take?	A child
 9:50	WT	what did Jesus say?	Forbid him not: for he that is not against us is for us.
 9:53	WY	why is it said that they did not receive him?	Because his face was as though he would go to Jerusalem
 9:58	WT	what did Jesus say?	Foxes have holes, and birds of the air have nests; but the Son of man hath not where to lay his head.
 9:59	FN	finish this: And he said unto another, Follow me. But ...?	he said, Lord, suffer me first to go and bury my father.
10: 5	FN	finish this: And into whatsoever house ye ...?	enter, first say, Peace be to this house.
10: 7	FN	finish this: And in the same house remain, eating and drinking such things ...?	as they give: for the labourer is worthy of his hire. Go not from house to house.
10:18	FN	finish this: And he said unto them ...?	I beheld Satan as lightning fall from heaven.
10:24	FN	finish this: For I tell you, that many prophets and kings have desired to ...?	see those things which ye see, and have not seen them; and to hear those things which ye hear, and have not heard them.
10:25	FN	finish this: And, behold, a certain lawyer stood up, and ...?	tempted him, saying, Master, what shall I do to inherit eternal life?
10:27	FN	finish this: And he answering said, Thou shalt love the Lord thy God with ...?	all thy heart, and with all thy soul, and with all thy strength, and with all thy mind; and thy neighbour as thyself.
10:30	WT	what did Jesus say?	A certain man went down from Jerusalem to Jericho, and fell among thieves, which stripped him of his raiment, and wounded him, and departed, leaving him half dead.
10:31	FN	finish this: And by chance there came down a certain priest ...?	that way: and when he saw him, he passed by on the other side.
10:38	FN	finish this: Now it came to pass, as they went, that he ...?	entered into a certain village: and a certain woman named Martha received him into her house.
10:39	FN	finish this: And she had a sister called ...?	Mary, which also sat at Jesus' feet, and heard his word.
11: 1	WT	what did his disciples say?	Lord, teach us to pray, as John also taught his disciples.
11: 2	WH	to whom did Jesus say, "When ye pray, say ..."?	His disciples
11: 9	FN	finish this: And I say unto you, Ask, and it shall be ...?	given you; seek, and ye shall find; knock, and it shall be opened unto you.
11:14	FN	finish this: And he was casting out a devil, and it was dumb ...?	And it came to pass, when the devil was gone out, the dumb spake; and the people wondered.
11:17	FN	finish this: But he, knowing their thoughts, said unto them, Every kingdom ...?	divided against itself is brought to desolation; and a house divided against a house falleth.
11:20	FN	finish this: But if I with the finger of God ...?	cast out devils, no doubt the kingdom of God is come upon you.
11:21	FN	finish this: When a strong man armed ...?	keepeth his palace, his goods are in peace
11:23	FN	finish this: He that is not with me ...?	is against me: and he that gathereth not with me scattereth.
11:29	FN	finish this: And when the people were gathered thick together, he began to say ...?	This is an evil generation: they seek a sign; and there shall no sign be given it, but the sign of Jonas the prophet.
11:37	FN	finish this: And as he spake, a certain Pharisee besought ...?	him to dine with him: and he went in, and sat down to meat.
11:41	FN	finish this: But rather give alms of such things ...?	as ye have; and, behold, all things are clean unto you.
11:49	FN	finish this: Therefore also said the wisdom of God, I will ...?	send them prophets and apostles, and some of them they shall slay and persecute
12: 4	FN	finish this: And I say unto you my friends, Be not afraid ...?	of them that kill the body, and after that have no more that they can do.
12: 6	HM	how many sparrows are spoken of?	Five sparrows
12: 7	FN	finish this: But even the very hairs of your head ...?	are all numbered. Fear not therefore: ye are of more value than many sparrows.
12:14	FN	finish this: And he said unto him, Man ...?	who made me a judge or a divider over you?
12:15	FN	finish this: And he said unto them, Take heed, and beware of ...?	covetousness: for a man's life consisteth not in the abundance of the things which he possesseth.
12:16	FN	finish this: And he spake a parable unto them ...?	saying, The ground of a certain rich man brought forth plentifully
12:17	FN	finish this: And he thought within himself, saying, What shall ...?	I do, because I have no room where to bestow my fruits?
12:22	WH	to whom did Jesus say, "Therefore I say unto you ..."?	His disciples
12:34	FN	finish this: For where your treasure ...?	is, there will your heart be also.
12:36	FN	finish this: And ye yourselves like unto men that wait for their lord, when ...?	he will return from the wedding; that when he cometh and knocketh, they may open unto him immediately.
12:37	FN	finish this: Blessed are those servants, whom the lord when he cometh shall find ...?	watching: verily I say unto you, that he shall gird himself, and make them to sit down to meat, and will come forth and serve them.
12:40	FN	finish this: Be ye therefore ready also: for the ...?	Son of man cometh at an hour when ye think not.
12:41	WT	what did Peter say?	Lord, speakest thou this parable unto us, or even to all?
12:42	WT	what did the Lord say?	Who then is that faithful and wise steward, whom his lord shall make ruler over his household, to give them their portion of meat in due season?
12:55	FN	finish this: And when ye see the south wind ...?	blow, ye say, There will be heat; and it cometh to pass.
12:57	FN	finish this: Yea, and why even ...?	of yourselves judge ye not what is right?
13: 2	WT	what did Jesus say?	Suppose ye that these Galilaeans were sinners above all the Galilaeans, because they suffered such things?
13: 8	FN	finish this: And he answering said unto him, Lord, let ...?	it alone this year also, till I shall dig about it, and dung it
13:11	HM	how many years are spoken of?	Eighteen years
13:12	FN	finish this: And when Jesus saw her, he called her ...?	to him, and said unto her, Woman, thou art loosed from thine infirmity.
13:13	FN	finish this: And he laid his hands on ...?	her: and immediately she was made straight, and glorified God.
13:18	FN	finish this: Then said he, Unto what is ...?	the kingdom of God like? and whereunto shall I resemble it?
13:26	FN	finish this: Then shall ye begin to say, We have ...?	eaten and drunk in thy presence, and thou hast taught in our streets.
13:32	WH	to whom did Jesus say, "Go ye, and tell that fox ..."?	The Pharisees
14: 4	FN	finish this: And they held their peace. And ...?	he took him, and healed him, and let him go
14: 6	FN	finish this: And they could not ...?	answer him again to these things.
14:22	WT	what did the servant say?	Lord, it is done as thou hast commanded, and yet there is room.
14:23	WT	what did the lord say unto the servant?	Go out into the highways and hedges, and compel them to come in, that my house may be filled.
14:35	FN	finish this: It is neither fit for the land, nor yet for ...?	the dunghill; but men cast it out. He that hath ears to hear, let him hear.
15: 2	FN	finish this: And the Pharisees and scribes murmured ...?	saying, This man receiveth sinners, and eateth with them.
15: 8	HM	how many pieces are spoken of?	Ten pieces
15:11	HM	how many sons are spoken of?	Two sons
15:19	FN	finish this: And am no more worthy to be ...?	called thy son: make me as one of thy hired servants.
15:24	FN	finish this: For this my son was dead, and is ...?	alive again; he was lost, and is found. And they began to be merry.
15:25	FN	finish this: Now his elder son was in the field: and ...?	as he came and drew nigh to the house, he heard musick and dancing.
15:27	FN	finish this: And he said unto him, Thy brother is come; and ...?	thy father hath killed the fatted calf, because he hath received him safe and sound.
16: 5	WH	to whom did Jesus say, "How much owest thou unto my ..."?	The first
16: 6	HM	how many measures are spoken of?	An hundred measures
16: 7	HM	how many measures are spoken of?	An hundred measures
16:11	FN	finish this: If therefore ye have not been faithful in ...?	the unrighteous mammon, who will commit to your trust the true riches?
16:13	HM	how many masters are spoken of?	Two masters
16:18	FN	finish this: Whosoever putteth away his wife, and marrieth another, committeth ...?	adultery: and whosoever marrieth her that is put away from her husband committeth adultery.
16:24	FN	finish this: And he cried and said, Father Abraham, have mercy on me, and ...?	send Lazarus, that he may dip the tip of his finger in water, and cool my tongue; for I am tormented in this flame.
16:25	WT	what did Abraham say?	Son, remember that thou in thy lifetime receivedst thy good things, and likewise Lazarus evil things: but now he is comforted, and thou art tormented.
16:26	FN	finish this: And beside all this, between us and you there is a great ...?	gulf fixed: so that they which would pass from hence to you cannot; neither can they pass to us, that would come from thence.
16:27	FN	finish this: Then he said, I pray thee ...?	therefore, father, that thou wouldest send him to my father's house
17: 1	WH	to whom did Jesus say, "It is impossible but that offences will come ..."?	The disciples
17: 2	FN	finish this: It were better for him that a millstone were hanged about ...?	his neck, and he cast into the sea, than that he should offend one of these little ones.
17: 3	FN	finish this: Take heed to yourselves: If thy brother ...?	trespass against thee, rebuke him; and if he repent, forgive him.
17:17	WT	what did Jesus say?	Were there not ten cleansed? but where are the nine?
17:22	WH	to whom did Jesus say, "The days will come ..."?	The disciples
17:23	FN	finish this: And they shall say to you, See ...?	here; or, see there: go not after them, nor follow them.
17:28	FN	finish this: Likewise also as it was in the days of ...?	Lot; they did eat, they drank, they bought, they sold, they planted, they builded
17:34	HM	how many men are spoken of?	Two men
17:35	FN	finish this: Two women shall be grinding together ...?	the one shall be taken, and the other left.
18: 6	WT	what did the Lord say?	Hear what the unjust judge saith.
18: 7	FN	finish this: And shall not God avenge his own elect ...?	which cry day and night unto him, though he bear long with them?
18:16	WT	what did Jesus say?	Suffer little children to come unto me, and forbid them not: for of such is the kingdom of God.
18:22	FN	finish this: Now when Jesus heard these things, he said unto him, Yet lackest ...?	thou one thing: sell all that thou hast, and distribute unto the poor, and thou shalt have treasure in heaven: and come, follow me.
18:28	WT	what did Peter say?	Lo, we have left all, and followed thee.
18:29	FN	finish this: And he said unto them, Verily I say unto you, There is ...?	no man that hath left house, or parents, or brethren, or wife, or children, for the kingdom of God's sake
18:35	FN	finish this: And it came to pass, that as he was ...?	come nigh unto Jericho, a certain blind man sat by the way side begging
18:36	FN	finish this: And hearing the multitude ...?	pass by, he asked what it meant.
18:42	WT	what did Jesus say?	Receive thy sight: thy faith hath saved thee.
18:43	FN	finish this: And immediately he received his sight, and followed him ...?	glorifying God: and all the people, when they saw it, gave praise unto God.
19: 1	WH	who entered and passed through Jericho?	Jesus
19: 9	WT	what did Jesus say?	This day is salvation come to this house, forsomuch as he also is a son of Abraham.
19:10	FN	finish this: For the Son of man is ...?	come to seek and to save that which was lost.
19:13	HM	how many servants are spoken of?	Ten servants
19:18	HM	how many pounds are spoken of?	Five pounds
19:19	HM	how many cities are spoken of?	Five cities
19:24	HM	how many pounds are spoken of?	Ten pounds
19:25	HM	how many pounds are spoken of?	Ten pounds
19:39	WT	what did the multitude say?	Master, rebuke thy disciples.
19:46	FN	finish this: Saying unto them, It is written, My house ...?	is the house of prayer: but ye have made it a den of thieves.
20: 5	FN	finish this: And they reasoned with themselves, saying, If we ...?	shall say, From heaven; he will say, Why then believed ye him not?
20: 6	FN	finish this: But and if we say, Of men; all ...?	the people will stone us: for they be persuaded that John was a prophet.
20: 7	FN	finish this: And they answered, that ...?	they could not tell whence it was.
20:11	FN	finish this: And again he sent another servant: and they ...?	beat him also, and entreated him shamefully, and sent him away empty.
20:24	FN	finish this: Shew me a penny. Whose image ...?	and superscription hath it? They answered and said, Caesar's.
20:26	FN	finish this: And they could not take hold of his ...?	words before the people: and they marvelled at his answer, and held their peace.
20:32	FN	finish this: Last of all ...?	the woman died also.
20:33	FN	finish this: Therefore in the resurrection whose wife ...?	of them is she? for seven had her to wife.
20:38	FN	finish this: For he is not a God of ...?	the dead, but of the living: for all live unto him.
20:39	WT	what did the scribes say?	Master, thou hast well said.
20:44	FN	finish this: David therefore calleth him ...?	Lord, how is he then his son?
21: 1	FN	finish this: And he looked up, and saw ...?	the rich men casting their gifts into the treasury.
21: 2	HM	how many mites are spoken of?	Two mites
21: 3	FN	finish this: And he said, Of a truth I say ...?	unto you, that this poor widow hath cast in more than they all
21: 9	FN	finish this: But when ye shall hear of wars and commotions, be not ...?	terrified: for these things must first come to pass; but the end is not by and by.
21:17	FN	finish this: And ye shall be ...?	hated of all men for my name's sake.
22:14	HM	how many apostles are spoken of?	Twelve apostles
22:15	WH	to whom did Jesus say, "With desire I have desired to eat this ..."?	The twelve
22:21	FN	finish this: But, behold, the hand of him ...?	that betrayeth me is with me on the table.
22:23	FN	finish this: And they began to enquire among ...?	themselves, which of them it was that should do this thing.
22:29	FN	finish this: And I appoint unto you ...?	a kingdom, as my Father hath appointed unto me
22:34	FN	finish this: And he said, I tell thee, Peter, the cock ...?	shall not crow this day, before that thou shalt thrice deny that thou knowest me.
22:37	FN	finish this: For I say unto you, that this that is written must yet ...?	be accomplished in me, And he was reckoned among the transgressors: for the things concerning me have an end.
22:40	WH	to whom did Jesus say, "Pray that ye enter not into temptation ..."?	His disciples
22:42	FN	finish this: Saying, Father, if thou be willing, remove ...?	this cup from me: nevertheless not my will, but thine, be done.
22:48	WT	what did Jesus say?	Judas, betrayest thou the Son of man with a kiss?
22:54	WH	who followed afar off?	Peter
22:56	WT	what did a certain maid say?	This man was also with him.
22:60	WT	what did Peter say?	Man, I know not what thou sayest
22:62	WH	who went out?	Peter
22:68	FN	finish this: And if I also ask you ...?	ye will not answer me, nor let me go.
23: 2	FN	finish this: And they began to accuse him, saying, We found this fellow ...?	perverting the nation, and forbidding to give tribute to Caesar, saying that he himself is Christ a King.
23: 3	WT	what did Pilate say?	Thou sayest it.
23: 8	FN	finish this: And when Herod saw Jesus, he was exceeding glad: for he was ...?	desirous to see him of a long season, because he had heard many things of him; and he hoped to have seen some miracle done by him.
23: 9	FN	finish this: Then he questioned with him ...?	in many words; but he answered him nothing.
23:24	WT	what did Pilate give?	Sentence that it should be as they required
23:38	FN	finish this: And a superscription also was written over him in ...?	letters of Greek, and Latin, and Hebrew, THIS IS THE KING OF THE JEWS.
23:44	FN	finish this: And it was about the sixth hour, and ...?	there was a darkness over all the earth until the ninth hour.
23:45	FN	finish this: And the sun was darkened, and ...?	the veil of the temple was rent in the midst.
23:46	FN	finish this: And when Jesus had cried with a loud voice, he said ...?	Father, into thy hands I commend my spirit: and having said thus, he gave up the ghost.
23:51	FN	finish this: (The same had not consented to the counsel and deed of them;) ...?	he was of Arimathaea, a city of the Jews: who also himself waited for the kingdom of God.
24: 4	HM	how many men are spoken of?	Two men
24:15	FN	finish this: And it came to pass, that, while they ...?	communed together and reasoned, Jesus himself drew near, and went with them.
24:16	FN	finish this: But their eyes were ...?	holden that they should not know him.
24:17	FN	finish this: And he said unto them, What manner of communications ...?	are these that ye have one to another, as ye walk, and are sad?
24:35	FN	finish this: And they told what things were done in ...?	the way, and how he was known of them in breaking of bread.
24:41	FN	finish this: And while they yet believed not for ...?	joy, and wondered, he said unto them, Have ye here any meat?
24:48	FN	finish this: And ye are ...?	witnesses of these things.
24:49	FN	finish this: And, behold, I send the promise of my Father upon you ...?	but tarry ye in the city of Jerusalem, until ye be endued with power from on high.
