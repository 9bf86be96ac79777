 1:13	WH	to whom did the angel say, "Fear not, Zacharias: for thy prayer is heard ..."?	Zacharias
 1:18	WH	to whom did Zacharias say, "Whereby shall I know ..."?	The angel
 1:34	WH	to whom did Mary say, "How shall this be ..."?	The angel
 1:46	WH	who said, "My soul doth magnify the Lord ..."?	Mary
 1:56	HM	how many months did Mary abide with her?	About three months
 1:60	WT	what did his mother say?	Not so; but he shall be called John.
 2:10	WH	who said, "Fear not: for, behold ..."?	The angel
 2:21	HM	how many days are spoken of?	Eight days
 2:37	HM	how many years are spoken of?	Four years
 2:42	HM	how many years are spoken of?	Twelve years
 3:11	HM	how many coats are spoken of?	Two coats
 3:16	WH	to whom did John say, "I indeed baptize you with water ..."?	The people
 3:26	WH	whose son was Mattathias?	Semei
 3:28	WH	whose son was Cosam?	Elmodam
 3:29	WH	whose son was Jose?	Eliezer
 3:32	WH	whose son was Obed?	Booz
 3:33	WH	whose son was Phares?	Juda
 3:34	WH	whose son was Jacob?	Isaac
 3:35	WH	whose son was Phalec?	Heber
 3:36	WH	whose son was Cainan?	Arphaxad
 3:38	WH	whose son was Enos?	Seth
 4: 2	HM	how many days are spoken of?	Forty days
 4: 4	WT	what did Jesus say?	It is written, That man shall not live by bread alone, but by every word of God.
 4: 6	WT	what did the devil say?	All this power will I give thee, and the glory of them: for that is delivered unto me; and to whomsoever I will I give it.
 4:12	WH	who said, "It is said, Thou shalt not tempt the ..."?	Jesus
 4:18	WY	why is it said that the Spirit of the Lord is upon me?	Because he hath anointed me to preach the gospel to the poor
 4:25	HM	how many years are spoken of?	Three years
 5: 2	HM	how many ships are spoken of?	Two ships
 5: 4	WH	who said, "Launch out into the deep ..."?	Jesus
 5: 5	WH	who said, "Master, we have toiled all the night ..."?	Simon
 5:22	WH	who said, "What reason ye in your ..."?	Jesus
 5:31	WH	who said, "They that are whole need not a physician ..."?	Jesus
 5:34	WH	who said, "Can ye make the children of the bridechamber ..."?	Jesus
 6:15	WH	whose son was James?	Alphaeus
 7:22	WT	what did Jesus say?	Go your way, and tell John what things ye have seen and heard; how that the blind see, the lame walk, the lepers are cleansed, the deaf hear, the dead are raised, to the poor the gospel is preached.
 7:31	WH	who said, "Whereunto then shall I liken the men of ..."?	The Lord
 7:41	HM	how many debtors are spoken of?	Two debtors
 7:43	WT	what did Simon say?	I suppose that he, to whom he forgave most
 7:50	WH	who said, "Thy faith hath saved thee ..."?	Jesus
 8:42	HM	how many years are spoken of?	About twelve years
 8:43	HM	how many years are spoken of?	Twelve years
 8:45	WH	who said, "Who touched ..."?	Jesus
 8:46	WH	who said, "Somebody hath touched me ..."?	Jesus
 9: 1	HM	how many disciples are spoken of?	Twelve disciples
 9: 3	HM	how many coats are spoken of?	Two coats
 9: 9	WT	what did Herod say?	John have I beheaded: but who is this, of whom I hear such things? And he desired to see him.
 9:14	WH	who said, "Make them sit down by fifties in a ..."?	Jesus
 9:16	HM	how many loaves are spoken of?	Five loaves
 9:23	WH	who said, "If any man will come after me ..."?	Jesus
 9:28	HM	how many days are spoken of?	About an eight days
 9:32	HM	how many men are spoken of?	Two men
 9:33	HM	how many tabernacles are spoken of?	Three tabernacles
 9:41	WH	who said, "O faithless and perverse generation ..."?	Jesus
 9:49	WH	who said, "Master, we saw one casting out devils in ..."?	John
 9:50	WT	what did Jesus say?	Forbid him not: for he that is not against us is for us.
 9:53	WY	why is it said that they did not receive him?	Because his face was as though he would go to Jerusalem
 9:58	WT	what did Jesus say?	Foxes have holes, and birds of the air have nests; but the Son of man hath not where to lay his head.
10:30	WT	what did Jesus say?	A certain man went down from Jerusalem to Jericho, and fell among thieves, which stripped him of his raiment, and wounded him, and departed, leaving him half dead.
10:37	WH	who said, "Go, and do thou likewise ..."?	Jesus
10:40	WH	who said, "Lord, dost thou not care that my sister ..."?	Martha
11: 5	HM	how many loaves are spoken of?	Three loaves
11:39	WH	who said, "Now do ye Pharisees make clean the outside ..."?	The Lord
12: 6	HM	how many sparrows are spoken of?	Five sparrows
12:13	WH	who said, "Master, speak to my brother ..."?	The company
12:22	WH	to whom did Jesus say, "Therefore I say unto you ..."?	His disciples
12:41	WT	what did Peter say?	Lord, speakest thou this parable unto us, or even to all?
13: 2	WT	what did Jesus say?	Suppose ye that these Galilaeans were sinners above all the Galilaeans, because they suffered such things?
13: 7	HM	how many years are spoken of?	Three years
13:11	HM	how many years are spoken of?	Eighteen years
13:14	HM	how many days are spoken of?	Six days
13:32	WH	to whom did Jesus say, "Go ye, and tell that fox ..."?	The Pharisees
14:22	WT	what did the servant say?	Lord, it is done as thou hast commanded, and yet there is room.
14:23	WH	to whom did the lord say, "Go out into the highways and hedges ..."?	The servant
15: 4	HM	how many sheep are spoken of?	An hundred sheep
15: 8	HM	how many pieces are spoken of?	Ten pieces
15:11	HM	how many sons are spoken of?	Two sons
15:21	WH	who said, "Father, I have sinned against heaven ..."?	The son
15:22	WT	what did the father say unto his servants?	Bring forth the best robe, and put it on him; and put a ring on his hand, and shoes on his feet:
16: 7	HM	how many measures are spoken of?	An hundred measures
16:15	WH	who said, "Ye are they which justify yourselves before men ..."?	Jesus
16:25	WT	what did Abraham say?	Son, remember that thou in thy lifetime receivedst thy good things, and likewise Lazarus evil things: but now he is comforted, and thou art tormented.
16:28	HM	how many brethren are spoken of?	Five brethren
16:29	WH	who said, "They have Moses and the prophets ..."?	Abraham
17: 1	WH	to whom did Jesus say, "It is impossible but that offences will come ..."?	The disciples
17:12	HM	how many men are spoken of?	Ten men
17:34	HM	how many men are spoken of?	Two men
18:28	WT	what did Peter say?	Lo, we have left all, and followed thee.
18:31	WH	who said, "Behold, we go up to Jerusalem ..."?	Jesus
19: 9	WT	what did Jesus say?	This day is salvation come to this house, forsomuch as he also is a son of Abraham.
19:17	HM	how many cities are spoken of?	Ten cities
19:18	HM	how many pounds are spoken of?	Five pounds
19:21	WY	why is it said that I feared thee?	Because thou art an austere man
19:24	HM	how many pounds are spoken of?	Ten pounds
19:39	WT	what did the multitude say?	Master, rebuke thy disciples.
20:34	WH	who said, "The children of this world marry ..."?	Jesus
22:30	HM	how many tribes are spoken of?	Twelve tribes
22:31	WH	who said, "Simon, Simon, behold, Satan hath desired to have ..."?	The Lord
22:38	HM	how many swords are spoken of?	Two swords
22:51	WH	who said, "Suffer ye thus far ..."?	Jesus
22:56	WT	what did a certain maid say?	This man was also with him.
22:60	WT	what did Peter say?	Man, I know not what thou sayest
22:67	WH	who said, "If I tell you ..."?	Jesus
23:43	WH	who said, "Verily I say unto thee ..."?	Jesus
24: 4	HM	how many men are spoken of?	Two men
24:25	WH	who said, "O fools, and slow of heart to believe ..."?	Jesus
