 1: 2	FN	finish this: Even as they delivered them unto us ...?	which from the beginning were eyewitnesses, and ministers of the word;
 1: 5	FN	finish this: There was in the days of Herod, the king of Judaea, a ...?	certain priest named Zacharias, of the course of Abia: and his wife was of the daughters of Aaron, and her name was Elisabeth.
 1: 6	FN	finish this: And they were both righteous before God ...?	walking in all the commandments and ordinances of the Lord blameless.
 1: 7	WY	why is it said that they had no child?	Because Elisabeth was barren, and they both were now well stricken in years
 1:11	FN	finish this: And there appeared unto him an angel of ...?	the Lord standing on the right side of the altar of incense.
 1:16	FN	finish this: And many of the children of ...?	Israel shall he turn to the Lord their God.
 1:21	FN	finish this: And the people waited for Zacharias ...?	and marvelled that he tarried so long in the temple.
 1:24	FN	finish this: And after those days his ...?	wife Elisabeth conceived, and hid herself five months, saying,
 1:25	FN	finish this: Thus hath the Lord dealt with me in ...?	the days wherein he looked on me, to take away my reproach among men.
 1:26	FN	finish this: And in the sixth month the angel ...?	Gabriel was sent from God unto a city of Galilee, named Nazareth,
 1:30	WH	to whom did the angel say, "Fear not, Mary: for thou hast found favour ..."?	Mary
 1:33	FN	finish this: And he shall reign over the house of ...?	Jacob for ever; and of his kingdom there shall be no end.
 1:37	FN	finish this: For with God ...?	nothing shall be impossible.
 1:40	FN	finish this: And entered into the ...?	house of Zacharias, and saluted Elisabeth.
 1:42	FN	finish this: And she spake out with a loud voice, and ...?	said, Blessed art thou among women, and blessed is the fruit of thy womb.
 1:44	FN	finish this: For, lo, as soon as the voice of ...?	thy salutation sounded in mine ears, the babe leaped in my womb for joy.
 1:45	FN	finish this: And blessed is she that believed: for there ...?	shall be a performance of those things which were told her from the Lord.
 1:47	FN	finish this: And my spirit ...?	hath rejoiced in God my Saviour.
 1:49	FN	finish this: For he that is mighty hath ...?	done to me great things; and holy is his name.
 1:50	FN	finish this: And his mercy is on ...?	them that fear him from generation to generation.
 1:55	FN	finish this: As he spake to our ...?	fathers, to Abraham, and to his seed for ever.
 1:56	HM	how many months did Mary abide with her?	About three months
 1:57	FN	finish this: Now Elisabeth's full time came that ...?	she should be delivered; and she brought forth a son.
 1:58	FN	finish this: And her neighbours and her cousins heard how ...?	the Lord had shewed great mercy upon her; and they rejoiced with her.
 1:61	FN	finish this: And they said unto her, There ...?	is none of thy kindred that is called by this name.
 1:70	FN	finish this: As he spake by the mouth ...?	of his holy prophets, which have been since the world began:
 1:71	FN	finish this: That we should be saved from ...?	our enemies, and from the hand of all that hate us;
 1:73	FN	finish this: The oath which ...?	he sware to our father Abraham,
 1:77	FN	finish this: To give knowledge of salvation ...?	unto his people by the remission of their sins,
 1:78	FN	finish this: Through the tender mercy of our ...?	God; whereby the dayspring from on high hath visited us,
 1:80	FN	finish this: And the child grew, and waxed strong in ...?	spirit, and was in the deserts till the day of his shewing unto Israel.
 2: 1	FN	finish this: And it came to pass in those days, that ...?	there went out a decree from Caesar Augustus, that all the world should be taxed.
 2: 6	FN	finish this: And so it was, that, while they ...?	were there, the days were accomplished that she should be delivered.
 2: 8	FN	finish this: And there were in the same country ...?	shepherds abiding in the field, keeping watch over their flock by night.
 2: 9	FN	finish this: And, lo, the angel of the Lord came upon them ...?	and the glory of the Lord shone round about them: and they were sore afraid.
 2:15	FN	finish this: And it came to pass, as the angels were gone away from ...?	them into heaven, the shepherds said one to another, Let us now go even unto Bethlehem, and see this thing which is come to pass, which the Lord hath made ...
 2:23	FN	finish this: (As it is written in the law of the ...?	LORD, Every male that openeth the womb shall be called holy to the Lord;)
 2:25	FN	finish this: And, behold, there was a man in Jerusalem, whose name was Simeon ...?	and the same man was just and devout, waiting for the consolation of Israel: and the Holy Ghost was upon him.
 2:27	FN	finish this: And he came by the Spirit into the temple: and when ...?	the parents brought in the child Jesus, to do for him after the custom of the law,
 2:28	FN	finish this: Then took he him up ...?	in his arms, and blessed God, and said,
 2:30	FN	finish this: For mine eyes ...?	have seen thy salvation,
 2:44	FN	finish this: But they, supposing him to have been in the ...?	company, went a day's journey; and they sought him among their kinsfolk and acquaintance.
 2:46	FN	finish this: And it came to pass, that after three days they found ...?	him in the temple, sitting in the midst of the doctors, both hearing them, and asking them questions.
 2:47	FN	finish this: And all that heard ...?	him were astonished at his understanding and answers.
 2:49	FN	finish this: And he said unto them, How is it that ...?	ye sought me? wist ye not that I must be about my Father's business?
 3: 2	FN	finish this: Annas and Caiaphas being the high priests, the ...?	word of God came unto John the son of Zacharias in the wilderness.
 3: 3	FN	finish this: And he came into all the country ...?	about Jordan, preaching the baptism of repentance for the remission of sins;
 3: 4	FN	finish this: As it is written in the book of the words of Esaias ...?	the prophet, saying, The voice of one crying in the wilderness, Prepare ye the way of the Lord, make his paths straight.
 3: 5	FN	finish this: Every valley shall be filled, and every mountain and hill shall ...?	be brought low; and the crooked shall be made straight, and the rough ways shall be made smooth;
 3: 6	FN	finish this: And all flesh ...?	shall see the salvation of God.
 3: 7	FN	finish this: Then said he to the multitude that came forth to be ...?	baptized of him, O generation of vipers, who hath warned you to flee from the wrath to come?
 3: 9	FN	finish this: And now also the axe is laid unto the root of the ...?	trees: every tree therefore which bringeth not forth good fruit is hewn down, and cast into the fire.
 3:11	HM	how many coats are spoken of?	Two coats
 3:12	FN	finish this: Then came also publicans to be ...?	baptized, and said unto him, Master, what shall we do?
 3:13	FN	finish this: And he said unto them ...?	Exact no more than that which is appointed you.
 3:15	FN	finish this: And as the people were in expectation, and all ...?	men mused in their hearts of John, whether he were the Christ, or not;
 3:20	FN	finish this: Added yet this above ...?	all, that he shut up John in prison.
 3:23	HM	how many years are spoken of?	About thirty years
 3:25	WH	whose son was Amos?	Naum
 3:26	WH	whose son was Semei?	Joseph
 3:27	WH	whose son was Zorobabel?	Salathiel
 3:29	WH	whose son was Matthat?	Levi
 3:31	FN	finish this: Which was the son of Melea, which was the son of Menan ...?	which was the son of Mattatha, which was the son of Nathan, which was the son of David,
 3:32	WH	whose son was Obed?	Booz
 3:37	WH	whose son was Mathusala?	Enoch
 4: 5	FN	finish this: And the devil, taking him up into an high ...?	mountain, shewed unto him all the kingdoms of the world in a moment of time.
 4:10	FN	finish this: For it is written, He shall ...?	give his angels charge over thee, to keep thee:
 4:13	FN	finish this: And when the devil had ended ...?	all the temptation, he departed from him for a season.
 4:16	FN	finish this: And he came to Nazareth, where he had been brought up: and ...?	as his custom was, he went into the synagogue on the sabbath day, and stood up for to read.
 4:18	FN	finish this: The Spirit of the Lord is upon me, because he hath anointed ...?	me to preach the gospel to the poor; he hath sent me to heal the brokenhearted, to preach deliverance to the captives, and recovering of sight to the blind ...
 4:22	FN	finish this: And all bare him witness, and wondered at the gracious ...?	words which proceeded out of his mouth. And they said, Is not this Joseph's son?
 4:23	FN	finish this: And he said unto them, Ye will surely say unto me ...?	this proverb, Physician, heal thyself: whatsoever we have heard done in Capernaum, do also here in thy country.
 4:33	FN	finish this: And in the synagogue there was a man, which ...?	had a spirit of an unclean devil, and cried out with a loud voice,
 5: 2	FN	finish this: And saw two ships standing by the lake ...?	but the fishermen were gone out of them, and were washing their nets.
 5: 4	WH	to whom did Jesus say, "Launch out into the deep ..."?	Simon
 5: 6	FN	finish this: And when they had this done ...?	they inclosed a great multitude of fishes: and their net brake.
 5: 8	FN	finish this: When Simon Peter saw it, he fell down at ...?	Jesus' knees, saying, Depart from me; for I am a sinful man, O Lord.
 5: 9	FN	finish this: For he was astonished, and all that were ...?	with him, at the draught of the fishes which they had taken:
 5:10	WT	what did Jesus say unto Simon?	Fear not; from henceforth thou shalt catch men.
 5:11	FN	finish this: And when they had brought their ...?	ships to land, they forsook all, and followed him.
 5:13	FN	finish this: And he put forth his hand, and touched ...?	him, saying, I will: be thou clean. And immediately the leprosy departed from him.
 5:15	FN	finish this: But so much the more went there a fame abroad of ...?	him: and great multitudes came together to hear, and to be healed by him of their infirmities.
 5:16	FN	finish this: And he withdrew ...?	himself into the wilderness, and prayed.
 5:19	WY	why is it said that when they could not find by what way they might bring him in?	Because of the multitude, they went upon the housetop, and let him down through the tiling with his couch into the midst before Jesus
 5:21	FN	finish this: And the scribes and the Pharisees began to reason ...?	saying, Who is this which speaketh blasphemies? Who can forgive sins, but God alone?
 5:22	WH	to whom did Jesus say, "What reason ye in your ..."?	The Pharisees
 5:26	FN	finish this: And they were all amazed, and they glorified ...?	God, and were filled with fear, saying, We have seen strange things to day.
 5:27	FN	finish this: And after these things he went forth, and saw a ...?	publican, named Levi, sitting at the receipt of custom: and he said unto him, Follow me.
 5:30	FN	finish this: But their scribes and Pharisees murmured against his ...?	disciples, saying, Why do ye eat and drink with publicans and sinners?
 5:32	FN	finish this: I came not to ...?	call the righteous, but sinners to repentance.
 5:35	FN	finish this: But the days will come, when the bridegroom ...?	shall be taken away from them, and then shall they fast in those days.
 5:37	FN	finish this: And no man putteth new wine into old bottles; else ...?	the new wine will burst the bottles, and be spilled, and the bottles shall perish.
 5:38	FN	finish this: But new wine must be ...?	put into new bottles; and both are preserved.
 6: 1	FN	finish this: And it came to pass on the second sabbath after the first ...?	that he went through the corn fields; and his disciples plucked the ears of corn, and did eat, rubbing them in their hands.
 6: 3	FN	finish this: And Jesus answering them said, Have ye not read so ...?	much as this, what David did, when himself was an hungred, and they which were with him;
 6: 5	FN	finish this: And he said unto them, That ...?	the Son of man is Lord also of the sabbath.
 6: 7	FN	finish this: And the scribes and Pharisees watched him, whether he ...?	would heal on the sabbath day; that they might find an accusation against him.
 6:11	FN	finish this: And they were filled with madness ...?	and communed one with another what they might do to Jesus.
 6:12	FN	finish this: And it came to pass in those days, that he ...?	went out into a mountain to pray, and continued all night in prayer to God.
 6:14	FN	finish this: Simon, (whom he also named Peter,) ...?	and Andrew his brother, James and John, Philip and Bartholomew,
 6:16	FN	finish this: And Judas the brother of ...?	James, and Judas Iscariot, which also was the traitor.
 6:17	FN	finish this: And he came down with them, and stood in the plain, and ...?	the company of his disciples, and a great multitude of people out of all Judaea and Jerusalem, and from the sea coast of Tyre and Sidon, which came to hear him ...
 6:20	FN	finish this: And he lifted up his eyes on his ...?	disciples, and said, Blessed be ye poor: for yours is the kingdom of God.
 6:24	FN	finish this: But woe unto you that ...?	are rich! for ye have received your consolation.
 6:31	FN	finish this: And as ye would that men ...?	should do to you, do ye also to them likewise.
 6:34	FN	finish this: And if ye lend to them of whom ye hope ...?	to receive, what thank have ye? for sinners also lend to sinners, to receive as much again.
 6:38	FN	finish this: Give, and it shall be given unto you; good measure, pressed down ...?	and shaken together, and running over, shall men give into your bosom. For with the same measure that ye mete withal it shall be measured to you again.
 6:39	FN	finish this: And he spake a parable unto them, Can ...?	the blind lead the blind? shall they not both fall into the ditch?
 6:44	FN	finish this: For every tree is known by his own fruit. For ...?	of thorns men do not gather figs, nor of a bramble bush gather they grapes.
 6:46	FN	finish this: And why call ye me, Lord ...?	Lord, and do not the things which I say?
 6:49	FN	finish this: But he that heareth, and doeth not, is like a man that ...?	without a foundation built an house upon the earth; against which the stream did beat vehemently, and immediately it fell; and the ruin of that house was great.
 7: 5	FN	finish this: For he loveth our ...?	nation, and he hath built us a synagogue.
 7:10	FN	finish this: And they that were sent, returning ...?	to the house, found the servant whole that had been sick.
 7:11	FN	finish this: And it came to pass the day after, that he ...?	went into a city called Nain; and many of his disciples went with him, and much people.
 7:12	FN	finish this: Now when he came nigh to the gate of the city, behold ...?	there was a dead man carried out, the only son of his mother, and she was a widow: and much people of the city was with her.
 7:15	FN	finish this: And he that was dead sat up ...?	and began to speak. And he delivered him to his mother.
 7:17	FN	finish this: And this rumour of him went ...?	forth throughout all Judaea, and throughout all the region round about.
 7:19	FN	finish this: And John calling unto him two of his disciples sent ...?	them to Jesus, saying, Art thou he that should come? or look we for another?
 7:26	FN	finish this: But what went ye out for to ...?	see? A prophet? Yea, I say unto you, and much more than a prophet.
 7:27	FN	finish this: This is he, of whom it is written, Behold ...?	I send my messenger before thy face, which shall prepare thy way before thee.
 7:28	FN	finish this: For I say unto you, Among those that are born of women ...?	there is not a greater prophet than John the Baptist: but he that is least in the kingdom of God is greater than he.
 7:29	FN	finish this: And all the people that heard him ...?	and the publicans, justified God, being baptized with the baptism of John.
 7:36	FN	finish this: And one of the Pharisees desired him that he would ...?	eat with him. And he went into the Pharisee's house, and sat down to meat.
 7:37	FN	finish this: And, behold, a woman in the city, which was a sinner ...?	when she knew that Jesus sat at meat in the Pharisee's house, brought an alabaster box of ointment,
 7:38	FN	finish this: And stood at his feet behind him weeping, and began to wash ...?	his feet with tears, and did wipe them with the hairs of her head, and kissed his feet, and anointed them with the ointment.
 7:39	FN	finish this: Now when the Pharisee which had bidden him saw it, he spake ...?	within himself, saying, This man, if he were a prophet, would have known who and what manner of woman this is that toucheth him: for she is a sinner.
 7:42	FN	finish this: And when they had nothing to pay, he ...?	frankly forgave them both. Tell me therefore, which of them will love him most?
 7:45	FN	finish this: Thou gavest me no kiss: but this woman ...?	since the time I came in hath not ceased to kiss my feet.
 7:49	FN	finish this: And they that sat at meat with him ...?	began to say within themselves, Who is this that forgiveth sins also?
 8: 2	HM	how many devils are spoken of?	Seven devils
 8: 4	FN	finish this: And when much people were gathered together, and ...?	were come to him out of every city, he spake by a parable:
 8: 8	FN	finish this: And other fell on good ground, and sprang up, and bare fruit ...?	an hundredfold. And when he had said these things, he cried, He that hath ears to hear, let him hear.
 8:11	FN	finish this: Now the parable is ...?	this: The seed is the word of God.
 8:12	FN	finish this: Those by the way side are they that hear; then cometh ...?	the devil, and taketh away the word out of their hearts, lest they should believe and be saved.
 8:13	FN	finish this: They on the rock are they, which, when they hear, receive the ...?	word with joy; and these have no root, which for a while believe, and in time of temptation fall away.
 8:15	FN	finish this: But that on the good ground are they, which in ...?	an honest and good heart, having heard the word, keep it, and bring forth fruit with patience.
 8:21	FN	finish this: And he answered and said unto them, My mother ...?	and my brethren are these which hear the word of God, and do it.
 8:25	FN	finish this: And he said unto them, Where is your ...?	faith? And they being afraid wondered, saying one to another, What manner of man is this! for he commandeth even the winds and water, and they obey him.
 8:28	FN	finish this: When he saw Jesus, he cried out, and fell down before him ...?	and with a loud voice said, What have I to do with thee, Jesus, thou Son of God most high? I beseech thee, torment me not.
 8:30	FN	finish this: And Jesus asked him, saying, What is thy ...?	name? And he said, Legion: because many devils were entered into him.
 8:35	FN	finish this: Then they went out to see what was done; and came to ...?	Jesus, and found the man, out of whom the devils were departed, sitting at the feet of Jesus, clothed, and in his right mind: and they were afraid.
 8:38	FN	finish this: Now the man out of whom the devils were ...?	departed besought him that he might be with him: but Jesus sent him away, saying,
 8:41	FN	finish this: And, behold, there came a man named Jairus, and he was a ...?	ruler of the synagogue: and he fell down at Jesus' feet, and besought him that he would come into his house:
 8:43	HM	how many years are spoken of?	Twelve years
 8:45	FN	finish this: And Jesus said, Who touched ...?	me? When all denied, Peter and they that were with him said, Master, the multitude throng thee and press thee, and sayest thou, Who touched me?
 8:47	FN	finish this: And when the woman saw that she was not hid, she came ...?	trembling, and falling down before him, she declared unto him before all the people for what cause she had touched him, and how she was healed immediately.
 8:49	FN	finish this: While he yet spake, there cometh one from the ruler ...?	of the synagogue's house, saying to him, Thy daughter is dead; trouble not the Master.
 8:52	FN	finish this: And all wept, and bewailed her ...?	but he said, Weep not; she is not dead, but sleepeth.
 8:53	FN	finish this: And they laughed him ...?	to scorn, knowing that she was dead.
 8:55	FN	finish this: And her spirit came again, and ...?	she arose straightway: and he commanded to give her meat.
 8:56	FN	finish this: And her parents were astonished: but he ...?	charged them that they should tell no man what was done.
 9:10	FN	finish this: And the apostles, when they were returned, told him all that they ...?	had done. And he took them, and went aside privately into a desert place belonging to the city called Bethsaida.
 9:11	FN	finish this: And the people, when they knew it, followed him: and he received ...?	them, and spake unto them of the kingdom of God, and healed them that had need of healing.
 9:15	FN	finish this: And they did so ...?	and made them all sit down.
 9:20	FN	finish this: He said unto them, But whom say ...?	ye that I am? Peter answering said, The Christ of God.
 9:21	FN	finish this: And he straitly charged them ...?	and commanded them to tell no man that thing;
 9:22	FN	finish this: Saying, The Son of man must suffer many things, and be ...?	rejected of the elders and chief priests and scribes, and be slain, and be raised the third day.
 9:26	FN	finish this: For whosoever shall be ashamed of me and of my words, of ...?	him shall the Son of man be ashamed, when he shall come in his own glory, and in his Father's, and of the holy angels.
 9:27	FN	finish this: But I tell you of a truth, there be some ...?	standing here, which shall not taste of death, till they see the kingdom of God.
 9:32	HM	how many men are spoken of?	Two men
 9:43	FN	finish this: And they were all amazed at the mighty power of God ...?	But while they wondered every one at all things which Jesus did, he said unto his disciples,
 9:45	FN	finish this: But they understood not this saying, and it was hid ...?	from them, that they perceived it not: and they feared to ask him of that saying.
 9:48	FN	finish this: And said unto them, Whosoever shall receive this child in my name ...?	receiveth me: and whosoever shall receive me receiveth him that sent me: for he that is least among you all, the same shall be great.
 9:53	WY	why is it said that they did not receive him?	Because his face was as though he would go to Jerusalem
 9:58	WH	who said, "Foxes have holes, and birds of the air ..."?	Jesus
 9:59	FN	finish this: And he said unto another, Follow me. But ...?	he said, Lord, suffer me first to go and bury my father.
10: 5	FN	finish this: And into whatsoever house ye ...?	enter, first say, Peace be to this house.
10: 7	FN	finish this: And in the same house remain, eating and drinking such things ...?	as they give: for the labourer is worthy of his hire. Go not from house to house.
10: 9	FN	finish this: And heal the sick that are therein, and ...?	say unto them, The kingdom of God is come nigh unto you.
10:14	FN	finish this: But it shall be more tolerable ...?	for Tyre and Sidon at the judgment, than for you.
10:15	FN	finish this: And thou, Capernaum, which art ...?	exalted to heaven, shalt be thrust down to hell.
10:17	FN	finish this: And the seventy returned again with joy ...?	saying, Lord, even the devils are subject unto us through thy name.
10:18	FN	finish this: And he said unto them ...?	I beheld Satan as lightning fall from heaven.
10:20	FN	finish this: Notwithstanding in this rejoice not, that the spirits ...?	are subject unto you; but rather rejoice, because your names are written in heaven.
10:21	FN	finish this: In that hour Jesus rejoiced in spirit, and said, I thank thee ...?	O Father, Lord of heaven and earth, that thou hast hid these things from the wise and prudent, and hast revealed them unto babes: even so, Father; for ...
10:22	FN	finish this: All things are delivered to me of my Father: and no man ...?	knoweth who the Son is, but the Father; and who the Father is, but the Son, and he to whom the Son will reveal him.
10:23	FN	finish this: And he turned him unto his disciples, and ...?	said privately, Blessed are the eyes which see the things that ye see:
10:24	FN	finish this: For I tell you, that many prophets and kings have desired to ...?	see those things which ye see, and have not seen them; and to hear those things which ye hear, and have not heard them.
10:25	FN	finish this: And, behold, a certain lawyer stood up, and ...?	tempted him, saying, Master, what shall I do to inherit eternal life?
10:27	FN	finish this: And he answering said, Thou shalt love the Lord thy God with ...?	all thy heart, and with all thy soul, and with all thy strength, and with all thy mind; and thy neighbour as thyself.
10:29	FN	finish this: But he, willing to justify ...?	himself, said unto Jesus, And who is my neighbour?
10:30	WH	who said, "A certain man went down from Jerusalem to ..."?	Jesus
10:31	FN	finish this: And by chance there came down a certain priest ...?	that way: and when he saw him, he passed by on the other side.
10:34	FN	finish this: And went to him, and bound up his wounds, pouring in oil ...?	and wine, and set him on his own beast, and brought him to an inn, and took care of him.
10:35	FN	finish this: And on the morrow when he departed, he took out two pence ...?	and gave them to the host, and said unto him, Take care of him; and whatsoever thou spendest more, when I come again, I will repay thee.
10:38	FN	finish this: Now it came to pass, as they went, that he ...?	entered into a certain village: and a certain woman named Martha received him into her house.
10:39	FN	finish this: And she had a sister called ...?	Mary, which also sat at Jesus' feet, and heard his word.
11: 2	WH	who said, "When ye pray, say ..."?	Jesus
11: 5	FN	finish this: And he said unto them, Which of you shall have a ...?	friend, and shall go unto him at midnight, and say unto him, Friend, lend me three loaves;
11: 6	FN	finish this: For a friend of mine in his journey ...?	is come to me, and I have nothing to set before him?
11: 9	FN	finish this: And I say unto you, Ask, and it shall be ...?	given you; seek, and ye shall find; knock, and it shall be opened unto you.
11:12	FN	finish this: Or if he shall ask ...?	an egg, will he offer him a scorpion?
11:14	FN	finish this: And he was casting out a devil, and it was dumb ...?	And it came to pass, when the devil was gone out, the dumb spake; and the people wondered.
11:17	FN	finish this: But he, knowing their thoughts, said unto them, Every kingdom ...?	divided against itself is brought to desolation; and a house divided against a house falleth.
11:20	FN	finish this: But if I with the finger of God ...?	cast out devils, no doubt the kingdom of God is come upon you.
11:21	FN	finish this: When a strong man armed ...?	keepeth his palace, his goods are in peace:
11:23	FN	finish this: He that is not with me ...?	is against me: and he that gathereth not with me scattereth.
11:25	FN	finish this: And when he cometh ...?	he findeth it swept and garnished.
11:26	FN	finish this: Then goeth he, and taketh to him seven other spirits more wicked ...?	than himself; and they enter in, and dwell there: and the last state of that man is worse than the first.
11:29	FN	finish this: And when the people were gathered thick together, he began to say ...?	This is an evil generation: they seek a sign; and there shall no sign be given it, but the sign of Jonas the prophet.
11:32	FN	finish this: The men of Nineve shall rise up in the judgment with this ...?	generation, and shall condemn it: for they repented at the preaching of Jonas; and, behold, a greater than Jonas is here.
11:37	FN	finish this: And as he spake, a certain Pharisee besought ...?	him to dine with him: and he went in, and sat down to meat.
11:38	FN	finish this: And when the Pharisee saw it ...?	he marvelled that he had not first washed before dinner.
11:41	FN	finish this: But rather give alms of such things ...?	as ye have; and, behold, all things are clean unto you.
11:49	FN	finish this: Therefore also said the wisdom of God, I will ...?	send them prophets and apostles, and some of them they shall slay and persecute:
11:53	FN	finish this: And as he said these things unto them, the scribes ...?	and the Pharisees began to urge him vehemently, and to provoke him to speak of many things:
12: 1	FN	finish this: In the mean time, when there were gathered together an innumerable multitude ...?	of people, insomuch that they trode one upon another, he began to say unto his disciples first of all, Beware ye of the leaven of the ...
12: 3	FN	finish this: Therefore whatsoever ye have spoken in darkness shall be heard in the ...?	light; and that which ye have spoken in the ear in closets shall be proclaimed upon the housetops.
12: 4	FN	finish this: And I say unto you my friends, Be not afraid ...?	of them that kill the body, and after that have no more that they can do.
12: 7	FN	finish this: But even the very hairs of your head ...?	are all numbered. Fear not therefore: ye are of more value than many sparrows.
12: 8	FN	finish this: Also I say unto you, Whosoever shall confess me ...?	before men, him shall the Son of man also confess before the angels of God:
12:10	FN	finish this: And whosoever shall speak a word against the Son of man, it ...?	shall be forgiven him: but unto him that blasphemeth against the Holy Ghost it shall not be forgiven.
12:14	FN	finish this: And he said unto him, Man ...?	who made me a judge or a divider over you?
12:15	FN	finish this: And he said unto them, Take heed, and beware of ...?	covetousness: for a man's life consisteth not in the abundance of the things which he possesseth.
12:16	FN	finish this: And he spake a parable unto them ...?	saying, The ground of a certain rich man brought forth plentifully:
12:17	FN	finish this: And he thought within himself, saying, What shall ...?	I do, because I have no room where to bestow my fruits?
12:34	FN	finish this: For where your treasure ...?	is, there will your heart be also.
12:36	FN	finish this: And ye yourselves like unto men that wait for their lord, when ...?	he will return from the wedding; that when he cometh and knocketh, they may open unto him immediately.
12:37	FN	finish this: Blessed are those servants, whom the lord when he cometh shall find ...?	watching: verily I say unto you, that he shall gird himself, and make them to sit down to meat, and will come forth and serve them.
12:40	FN	finish this: Be ye therefore ready also: for the ...?	Son of man cometh at an hour when ye think not.
12:44	FN	finish this: Of a truth I say unto you ...?	that he will make him ruler over all that he hath.
12:46	FN	finish this: The lord of that servant will come in a day when he ...?	looketh not for him, and at an hour when he is not aware, and will cut him in sunder, and will appoint him his portion with the unbelievers.
12:47	FN	finish this: And that servant, which knew his lord's will, and ...?	prepared not himself, neither did according to his will, shall be beaten with many stripes.
12:53	FN	finish this: The father shall be divided against the son, and the son against ...?	the father; the mother against the daughter, and the daughter against the mother; the mother in law against her daughter in law, and the daughter ...
12:55	FN	finish this: And when ye see the south wind ...?	blow, ye say, There will be heat; and it cometh to pass.
12:57	FN	finish this: Yea, and why even ...?	of yourselves judge ye not what is right?
13: 2	FN	finish this: And Jesus answering said unto them, Suppose ye ...?	that these Galilaeans were sinners above all the Galilaeans, because they suffered such things?
13: 4	FN	finish this: Or those eighteen, upon whom the tower in Siloam fell ...?	and slew them, think ye that they were sinners above all men that dwelt in Jerusalem?
13: 8	FN	finish this: And he answering said unto him, Lord, let ...?	it alone this year also, till I shall dig about it, and dung it:
13:12	FN	finish this: And when Jesus saw her, he called her ...?	to him, and said unto her, Woman, thou art loosed from thine infirmity.
13:13	FN	finish this: And he laid his hands on ...?	her: and immediately she was made straight, and glorified God.
13:14	FN	finish this: And the ruler of the synagogue answered with indignation, because that Jesus ...?	had healed on the sabbath day, and said unto the people, There are six days in which men ought to work: in them therefore come and be ...
13:15	FN	finish this: The Lord then answered him, and said, Thou hypocrite, doth not each ...?	one of you on the sabbath loose his ox or his ass from the stall, and lead him away to watering?
13:17	FN	finish this: And when he had said these things, all his adversaries ...?	were ashamed: and all the people rejoiced for all the glorious things that were done by him.
13:18	FN	finish this: Then said he, Unto what is ...?	the kingdom of God like? and whereunto shall I resemble it?
13:26	FN	finish this: Then shall ye begin to say, We have ...?	eaten and drunk in thy presence, and thou hast taught in our streets.
13:28	FN	finish this: There shall be weeping and gnashing of teeth, when ye shall see ...?	Abraham, and Isaac, and Jacob, and all the prophets, in the kingdom of God, and you yourselves thrust out.
13:29	FN	finish this: And they shall come from the east, and from the west ...?	and from the north, and from the south, and shall sit down in the kingdom of God.
14: 4	FN	finish this: And they held their peace. And ...?	he took him, and healed him, and let him go;
14: 6	FN	finish this: And they could not ...?	answer him again to these things.
14:13	FN	finish this: But when thou makest a feast ...?	call the poor, the maimed, the lame, the blind:
14:23	WT	what did the lord say unto the servant?	Go out into the highways and hedges, and compel them to come in, that my house may be filled.
14:24	FN	finish this: For I say unto you, That none ...?	of those men which were bidden shall taste of my supper.
14:26	FN	finish this: If any man come to me, and hate not his father, and ...?	mother, and wife, and children, and brethren, and sisters, yea, and his own life also, he cannot be my disciple.
14:30	FN	finish this: Saying, This man began ...?	to build, and was not able to finish.
14:31	FN	finish this: Or what king, going to make war against another king, sitteth not ...?	down first, and consulteth whether he be able with ten thousand to meet him that cometh against him with twenty thousand?
14:33	FN	finish this: So likewise, whosoever he be of you ...?	that forsaketh not all that he hath, he cannot be my disciple.
14:35	FN	finish this: It is neither fit for the land, nor yet for ...?	the dunghill; but men cast it out. He that hath ears to hear, let him hear.
15: 2	FN	finish this: And the Pharisees and scribes murmured ...?	saying, This man receiveth sinners, and eateth with them.
15: 5	FN	finish this: And when he hath found ...?	it, he layeth it on his shoulders, rejoicing.
15: 7	FN	finish this: I say unto you, that likewise joy shall be in heaven ...?	over one sinner that repenteth, more than over ninety and nine just persons, which need no repentance.
15: 8	HM	how many pieces are spoken of?	Ten pieces
15:14	FN	finish this: And when he had spent all, there arose ...?	a mighty famine in that land; and he began to be in want.
15:15	FN	finish this: And he went and joined himself to a ...?	citizen of that country; and he sent him into his fields to feed swine.
15:17	FN	finish this: And when he came to himself, he said, How many ...?	hired servants of my father's have bread enough and to spare, and I perish with hunger!
15:19	FN	finish this: And am no more worthy to be ...?	called thy son: make me as one of thy hired servants.
15:21	WH	who said, "Father, I have sinned against heaven ..."?	The son
15:24	FN	finish this: For this my son was dead, and is ...?	alive again; he was lost, and is found. And they began to be merry.
15:25	FN	finish this: Now his elder son was in the field: and ...?	as he came and drew nigh to the house, he heard musick and dancing.
15:27	FN	finish this: And he said unto him, Thy brother is come; and ...?	thy father hath killed the fatted calf, because he hath received him safe and sound.
15:29	FN	finish this: And he answering said to his father, Lo, these many years do ...?	I serve thee, neither transgressed I at any time thy commandment: and yet thou never gavest me a kid, that I might make merry with my friends:
16: 3	FN	finish this: Then the steward said within himself, What shall I ...?	do? for my lord taketh away from me the stewardship: I cannot dig; to beg I am ashamed.
16: 6	HM	how many measures are spoken of?	An hundred measures
16: 7	HM	how many measures are spoken of?	An hundred measures
16: 9	FN	finish this: And I say unto you, Make to yourselves friends of ...?	the mammon of unrighteousness; that, when ye fail, they may receive you into everlasting habitations.
16:11	FN	finish this: If therefore ye have not been faithful in ...?	the unrighteous mammon, who will commit to your trust the true riches?
16:15	WH	who said, "Ye are they which justify yourselves before men ..."?	Jesus
16:18	FN	finish this: Whosoever putteth away his wife, and marrieth another, committeth ...?	adultery: and whosoever marrieth her that is put away from her husband committeth adultery.
16:20	FN	finish this: And there was a certain beggar ...?	named Lazarus, which was laid at his gate, full of sores,
16:23	FN	finish this: And in hell he lift up his eyes ...?	being in torments, and seeth Abraham afar off, and Lazarus in his bosom.
16:24	FN	finish this: And he cried and said, Father Abraham, have mercy on me, and ...?	send Lazarus, that he may dip the tip of his finger in water, and cool my tongue; for I am tormented in this flame.
16:26	FN	finish this: And beside all this, between us and you there is a great ...?	gulf fixed: so that they which would pass from hence to you cannot; neither can they pass to us, that would come from thence.
16:27	FN	finish this: Then he said, I pray thee ...?	therefore, father, that thou wouldest send him to my father's house:
16:29	WT	what did Abraham say?	They have Moses and the prophets; let them hear them.
17: 2	FN	finish this: It were better for him that a millstone were hanged about ...?	his neck, and he cast into the sea, than that he should offend one of these little ones.
17: 3	FN	finish this: Take heed to yourselves: If thy brother ...?	trespass against thee, rebuke him; and if he repent, forgive him.
17:23	FN	finish this: And they shall say to you, See ...?	here; or, see there: go not after them, nor follow them.
17:26	FN	finish this: And as it was in the days of ...?	Noe, so shall it be also in the days of the Son of man.
17:28	FN	finish this: Likewise also as it was in the days of ...?	Lot; they did eat, they drank, they bought, they sold, they planted, they builded;
17:30	FN	finish this: Even thus shall it be in ...?	the day when the Son of man is revealed.
17:32	FN	finish this: Remember Lot's wife ...?	Remember Lot's wife.
17:34	HM	how many men are spoken of?	Two men
17:35	FN	finish this: Two women shall be grinding together ...?	the one shall be taken, and the other left.
18: 7	FN	finish this: And shall not God avenge his own elect ...?	which cry day and night unto him, though he bear long with them?
18: 9	FN	finish this: And he spake this parable unto certain ...?	which trusted in themselves that they were righteous, and despised others:
18:22	FN	finish this: Now when Jesus heard these things, he said unto him, Yet lackest ...?	thou one thing: sell all that thou hast, and distribute unto the poor, and thou shalt have treasure in heaven: and come, follow me.
18:28	WT	what did Peter say?	Lo, we have left all, and followed thee.
18:29	FN	finish this: And he said unto them, Verily I say unto you, There is ...?	no man that hath left house, or parents, or brethren, or wife, or children, for the kingdom of God's sake,
18:30	FN	finish this: Who shall not receive manifold more in ...?	this present time, and in the world to come life everlasting.
18:32	FN	finish this: For he shall be delivered unto the ...?	Gentiles, and shall be mocked, and spitefully entreated, and spitted on:
18:35	FN	finish this: And it came to pass, that as he was ...?	come nigh unto Jericho, a certain blind man sat by the way side begging:
18:36	FN	finish this: And hearing the multitude ...?	pass by, he asked what it meant.
18:43	FN	finish this: And immediately he received his sight, and followed him ...?	glorifying God: and all the people, when they saw it, gave praise unto God.
19: 6	FN	finish this: And he made haste ...?	and came down, and received him joyfully.
19:10	FN	finish this: For the Son of man is ...?	come to seek and to save that which was lost.
19:13	HM	how many servants are spoken of?	Ten servants
19:22	FN	finish this: And he saith unto him, Out of thine own mouth will I ...?	judge thee, thou wicked servant. Thou knewest that I was an austere man, taking up that I laid not down, and reaping that I did not sow:
19:23	FN	finish this: Wherefore then gavest not thou my money into ...?	the bank, that at my coming I might have required mine own with usury?
19:34	FN	finish this: And they said ...?	The Lord hath need of him.
19:35	FN	finish this: And they brought him to Jesus: and ...?	they cast their garments upon the colt, and they set Jesus thereon.
19:41	FN	finish this: And when he was come ...?	near, he beheld the city, and wept over it,
19:42	FN	finish this: Saying, If thou hadst known, even thou, at least in this ...?	thy day, the things which belong unto thy peace! but now they are hid from thine eyes.
19:43	FN	finish this: For the days shall come upon thee, that thine enemies ...?	shall cast a trench about thee, and compass thee round, and keep thee in on every side,
19:46	FN	finish this: Saying unto them, It is written, My house ...?	is the house of prayer: but ye have made it a den of thieves.
20: 5	FN	finish this: And they reasoned with themselves, saying, If we ...?	shall say, From heaven; he will say, Why then believed ye him not?
20: 6	FN	finish this: But and if we say, Of men; all ...?	the people will stone us: for they be persuaded that John was a prophet.
20: 7	FN	finish this: And they answered, that ...?	they could not tell whence it was.
20:11	FN	finish this: And again he sent another servant: and they ...?	beat him also, and entreated him shamefully, and sent him away empty.
20:20	FN	finish this: And they watched him, and sent forth spies, which should feign themselves ...?	just men, that they might take hold of his words, that so they might deliver him unto the power and authority of the governor.
20:23	FN	finish this: But he perceived their craftiness ...?	and said unto them, Why tempt ye me?
20:24	FN	finish this: Shew me a penny. Whose image ...?	and superscription hath it? They answered and said, Caesar's.
20:26	FN	finish this: And they could not take hold of his ...?	words before the people: and they marvelled at his answer, and held their peace.
20:32	FN	finish this: Last of all ...?	the woman died also.
20:33	FN	finish this: Therefore in the resurrection whose wife ...?	of them is she? for seven had her to wife.
20:34	WH	who said, "The children of this world marry ..."?	Jesus
20:35	FN	finish this: But they which shall be accounted worthy to obtain ...?	that world, and the resurrection from the dead, neither marry, nor are given in marriage:
20:36	FN	finish this: Neither can they die any more: for they are equal ...?	unto the angels; and are the children of God, being the children of the resurrection.
20:38	FN	finish this: For he is not a God of ...?	the dead, but of the living: for all live unto him.
20:40	FN	finish this: And after that they ...?	durst not ask him any question at all.
20:44	FN	finish this: David therefore calleth him ...?	Lord, how is he then his son?
21: 1	FN	finish this: And he looked up, and saw ...?	the rich men casting their gifts into the treasury.
21: 3	FN	finish this: And he said, Of a truth I say ...?	unto you, that this poor widow hath cast in more than they all:
21: 6	FN	finish this: As for these things which ye behold, the days will come ...?	in the which there shall not be left one stone upon another, that shall not be thrown down.
21: 9	FN	finish this: But when ye shall hear of wars and commotions, be not ...?	terrified: for these things must first come to pass; but the end is not by and by.
21:10	FN	finish this: Then said he unto them ...?	Nation shall rise against nation, and kingdom against kingdom:
21:11	FN	finish this: And great earthquakes shall be in divers places, and ...?	famines, and pestilences; and fearful sights and great signs shall there be from heaven.
21:12	FN	finish this: But before all these, they shall lay their hands on you, and ...?	persecute you, delivering you up to the synagogues, and into prisons, being brought before kings and rulers for my name's sake.
21:17	FN	finish this: And ye shall be ...?	hated of all men for my name's sake.
22: 8	FN	finish this: And he sent Peter and John ...?	saying, Go and prepare us the passover, that we may eat.
22: 9	FN	finish this: And they said unto ...?	him, Where wilt thou that we prepare?
22:12	FN	finish this: And he shall shew you ...?	a large upper room furnished: there make ready.
22:13	FN	finish this: And they went, and found as ...?	he had said unto them: and they made ready the passover.
22:15	FN	finish this: And he said unto them, With desire ...?	I have desired to eat this passover with you before I suffer:
22:21	FN	finish this: But, behold, the hand of him ...?	that betrayeth me is with me on the table.
22:23	FN	finish this: And they began to enquire among ...?	themselves, which of them it was that should do this thing.
22:25	FN	finish this: And he said unto them, The kings of the ...?	Gentiles exercise lordship over them; and they that exercise authority upon them are called benefactors.
22:26	FN	finish this: But ye shall not be so: but he that is greatest ...?	among you, let him be as the younger; and he that is chief, as he that doth serve.
22:27	FN	finish this: For whether is greater, he that sitteth at meat, or he ...?	that serveth? is not he that sitteth at meat? but I am among you as he that serveth.
22:29	FN	finish this: And I appoint unto you ...?	a kingdom, as my Father hath appointed unto me;
22:34	FN	finish this: And he said, I tell thee, Peter, the cock ...?	shall not crow this day, before that thou shalt thrice deny that thou knowest me.
22:37	FN	finish this: For I say unto you, that this that is written must yet ...?	be accomplished in me, And he was reckoned among the transgressors: for the things concerning me have an end.
22:38	FN	finish this: And they said, Lord, behold, here ...?	are two swords. And he said unto them, It is enough.
22:42	FN	finish this: Saying, Father, if thou be willing, remove ...?	this cup from me: nevertheless not my will, but thine, be done.
22:45	FN	finish this: And when he rose up from prayer ...?	and was come to his disciples, he found them sleeping for sorrow,
22:48	WH	who said, "Judas, betrayest thou the Son of man with ..."?	Jesus
22:53	FN	finish this: When I was daily with you in the temple, ye ...?	stretched forth no hands against me: but this is your hour, and the power of darkness.
22:56	WH	who said, "This man was also with him ..."?	A certain maid
22:59	FN	finish this: And about the space of one hour after another confidently ...?	affirmed, saying, Of a truth this fellow also was with him: for he is a Galilaean.
22:64	FN	finish this: And when they had blindfolded him, they struck him ...?	on the face, and asked him, saying, Prophesy, who is it that smote thee?
22:65	FN	finish this: And many other ...?	things blasphemously spake they against him.
22:67	WH	to whom did Jesus say, "If I tell you ..."?	The scribes
22:68	FN	finish this: And if I also ask you ...?	ye will not answer me, nor let me go.
23: 2	FN	finish this: And they began to accuse him, saying, We found this fellow ...?	perverting the nation, and forbidding to give tribute to Caesar, saying that he himself is Christ a King.
23: 8	FN	finish this: And when Herod saw Jesus, he was exceeding glad: for he was ...?	desirous to see him of a long season, because he had heard many things of him; and he hoped to have seen some miracle done by him.
23: 9	FN	finish this: Then he questioned with him ...?	in many words; but he answered him nothing.
23:16	FN	finish this: I will therefore ...?	chastise him, and release him.
23:17	FN	finish this: (For of necessity he ...?	must release one unto them at the feast.)
23:20	FN	finish this: Pilate therefore, willing to ...?	release Jesus, spake again to them.
23:22	FN	finish this: And he said unto them the third time, Why, what evil hath ...?	he done? I have found no cause of death in him: I will therefore chastise him, and let him go.
23:34	WT	what did Jesus say?	Father, forgive them; for they know not what they do
23:35	FN	finish this: And the people stood beholding. And the rulers also with them ...?	derided him, saying, He saved others; let him save himself, if he be Christ, the chosen of God.
23:36	FN	finish this: And the soldiers also mocked ...?	him, coming to him, and offering him vinegar,
23:38	FN	finish this: And a superscription also was written over him in ...?	letters of Greek, and Latin, and Hebrew, THIS IS THE KING OF THE JEWS.
23:42	FN	finish this: And he said unto Jesus ...?	Lord, remember me when thou comest into thy kingdom.
23:44	FN	finish this: And it was about the sixth hour, and ...?	there was a darkness over all the earth until the ninth hour.
23:45	FN	finish this: And the sun was darkened, and ...?	the veil of the temple was rent in the midst.
23:46	FN	finish this: And when Jesus had cried with a loud voice, he said ...?	Father, into thy hands I commend my spirit: and having said thus, he gave up the ghost.
23:51	FN	finish this: (The same had not consented to the counsel and deed of them;) ...?	he was of Arimathaea, a city of the Jews: who also himself waited for the kingdom of God.
23:55	FN	finish this: And the women also, which came with him ...?	from Galilee, followed after, and beheld the sepulchre, and how his body was laid.
24:15	FN	finish this: And it came to pass, that, while they ...?	communed together and reasoned, Jesus himself drew near, and went with them.
24:16	FN	finish this: But their eyes were ...?	holden that they should not know him.
24:17	FN	finish this: And he said unto them, What manner of communications ...?	are these that ye have one to another, as ye walk, and are sad?
24:19	FN	finish this: And he said unto them, What ...?	things? And they said unto him, Concerning Jesus of Nazareth, which was a prophet mighty in deed and word before God and all the people:
24:30	FN	finish this: And it came to pass, as he sat at ...?	meat with them, he took bread, and blessed it, and brake, and gave to them.
24:35	FN	finish this: And they told what things were done in ...?	the way, and how he was known of them in breaking of bread.
24:39	FN	finish this: Behold my hands and my feet, that it is I myself ...?	handle me, and see; for a spirit hath not flesh and bones, as ye see me have.
24:41	FN	finish this: And while they yet believed not for ...?	joy, and wondered, he said unto them, Have ye here any meat?
24:48	FN	finish this: And ye are ...?	witnesses of these things.
24:49	FN	finish this: And, behold, I send the promise of my Father upon you ...?	but tarry ye in the city of Jerusalem, until ye be endued with power from on high.
24:50	FN	finish this: And he led them out as far ...?	as to Bethany, and he lifted up his hands, and blessed them.
