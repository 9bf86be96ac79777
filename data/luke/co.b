 1:13	WH	who said, "Fear not, Zacharias: for thy prayer is heard ..."?	The angel
 1:18	WH	who said, "Whereby shall I know ..."?	Zacharias
 1:34	WH	to whom did Mary say, "How shall this be ..."?	The angel
 1:46	WH	who said, "My soul doth magnify the Lord ..."?	Mary
 1:60	WH	who said, "Not so; but he shall be called John ..."?	His mother
 2:10	WH	who said, "Fear not: for, behold ..."?	The angel
 3:16	WH	who said, "I indeed baptize you with water ..."?	John
 3:26	WH	whose son was Mattathias?	Semei
 3:28	WH	whose son was Cosam?	Elmodam
 3:29	WH	whose son was Jose?	Eliezer
 3:32	WH	whose son was Obed?	Booz
 3:33	WH	whose son was Phares?	Juda
 3:34	WH	whose son was Jacob?	Isaac
 3:35	WH	whose son was Phalec?	Heber
 3:36	WH	whose son was Cainan?	Arphaxad
 3:38	WH	whose son was Enos?	Seth
 4: 4	WH	who said, "It is written, That man shall not live ..."?	Jesus
 4: 6	WH	who said, "All this power will I give thee ..."?	The devil
 4:12	WH	who said, "It is said, Thou shalt not tempt the ..."?	Jesus
 4:18	WY	why is it said that the Spirit of the Lord is upon me?	Because he hath anointed me to preach the gospel to the poor
 5: 4	WH	who said, "Launch out into the deep ..."?	Jesus
 5: 5	WH	who said, "Master, we have toiled all the night ..."?	Simon
 5:22	WH	who said, "What reason ye in your ..."?	Jesus
 5:31	WH	to whom did Jesus say, "They that are whole need not a physician ..."?	His disciples
 5:34	WH	who said, "Can ye make the children of the bridechamber ..."?	Jesus
 6:15	WH	whose son was James?	Alphaeus
 7:22	WH	who said, "Go your way, and tell John what things ..."?	Jesus
 7:31	WH	who said, "Whereunto then shall I liken the men of ..."?	The Lord
 7:43	WH	who said, "I suppose that he ..."?	Simon
 7:50	WH	who said, "Thy faith hath saved thee ..."?	Jesus
 8:45	WH	who said, "Who touched ..."?	Jesus
 8:46	WH	who said, "Somebody hath touched me ..."?	Jesus
 9: 9	WH	who said, "John have I beheaded ..."?	Herod
 9:14	WH	who said, "Make them sit down by fifties in a ..."?	Jesus
 9:23	WH	who said, "If any man will come after me ..."?	Jesus
 9:33	WH	to whom did Peter say, "Master, it is good for us to be ..."?	Jesus
 9:41	WH	who said, "O faithless and perverse generation ..."?	Jesus
 9:49	WH	who said, "Master, we saw one casting out devils in ..."?	John
 9:50	WH	who said, "Forbid him not: for he that is not ..."?	Jesus
 9:53	WY	why is it said that they did not receive him?	Because his face was as though he would go to Jerusalem
 9:58	WH	who said, "Foxes have holes, and birds of the air ..."?	Jesus
10:30	WH	who said, "A certain man went down from Jerusalem to ..."?	Jesus
10:37	WH	who said, "Go, and do thou likewise ..."?	Jesus
10:40	WH	who said, "Lord, dost thou not care that my sister ..."?	Martha
11:39	WH	who said, "Now do ye Pharisees make clean the outside ..."?	The Lord
12:13	WH	who said, "Master, speak to my brother ..."?	The company
12:22	WH	to whom did Jesus say, "Therefore I say unto you ..."?	His disciples
12:41	WH	who said, "Lord, speakest thou this parable unto us ..."?	Peter
13: 2	WH	who said, "Suppose ye that these Galilaeans were sinners above ..."?	Jesus
13:14	WY	why is it said that the ruler of the synagogue answered with indignation?	Because Jesus had healed on the sabbath day, and said unto the people, There are six days in which men ought to work
13:32	WH	to whom did Jesus say, "Go ye, and tell that fox ..."?	The Pharisees
14:22	WH	who said, "Lord, it is done as thou hast commanded ..."?	The servant
14:23	WH	to whom did the lord say, "Go out into the highways and hedges ..."?	The servant
15:21	WH	who said, "Father, I have sinned against heaven ..."?	The son
15:22	WH	who said, "Bring forth the best robe ..."?	The father
16:15	WH	who said, "Ye are they which justify yourselves before men ..."?	Jesus
16:25	WH	who said, "Son, remember that thou in thy lifetime receivedst ..."?	Abraham
16:29	WH	who said, "They have Moses and the prophets ..."?	Abraham
17: 1	WH	to whom did Jesus say, "It is impossible but that offences will come ..."?	The disciples
18:28	WH	who said, "Lo, we have left all ..."?	Peter
18:31	WH	who said, "Behold, we go up to Jerusalem ..."?	Jesus
19: 9	WH	who said, "This day is salvation come to this house ..."?	Jesus
19:21	WY	why is it said that I feared thee?	Because thou art an austere man
19:39	WH	who said, "Master, rebuke thy disciples ..."?	The multitude
20:34	WH	who said, "The children of this world marry ..."?	Jesus
22:31	WH	who said, "Simon, Simon, behold, Satan hath desired to have ..."?	The Lord
22:51	WH	who said, "Suffer ye thus far ..."?	Jesus
22:56	WH	who said, "This man was also with him ..."?	A certain maid
22:60	WH	who said, "Man, I know not what thou sayest ..."?	Peter
22:67	WH	who said, "If I tell you ..."?	Jesus
23:43	WH	who said, "Verily I say unto thee ..."?	Jesus
24:25	WH	who said, "O fools, and slow of heart to believe ..."?	Jesus
